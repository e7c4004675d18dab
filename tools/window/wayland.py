# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game as a native Wayland client: a Weston compositor runs in a window of a private
Xvfb (its X11 backend, since its headless one has no keyboard), and the game joins it through
Qt's Wayland platform with no X display at all.

Keys go to Weston's window through xdotool and reach the game as Wayland keyboard events.
Weston places the game's window where it likes, so the game is found on Weston's output by the
window colour of round 1, and each screen is recognised by the same colours as under X11. The
check plays one player to the topic choice, with an empty name on the way so that the
missing-name message opens and Enter closes it (whether the message is a window of its own or
drawn inside the game's window: only its pixels and keys are used), toggles full screen and
back, has Weston maximise the window (Super+Shift+M) and resize it (a drag with Super and the
right button), each time to full screen and back, the scene scaled uniformly to fill whatever
size the compositor gave, centred on black; and ends the game with Escape: it must exit with
status 0.
"""

import argparse
import os
import subprocess
import sys
import tempfile
import time

from . import game as G
from . import places as P
from .xwatch import Rect, Screen, Timeout, Xvfb, private_env, terminate

OUTPUT = (1024, 768)
# Weston's panel, whose clock changes on its own.
PANEL_HEIGHT = 40


def locate(image, colour, step=4):
    """The bounding box of the pixels of `colour` in `image` (looked at every `step` pixels,
    then widened to the exact edges), or None."""
    b, g, r = colour[2], colour[1], colour[0]
    pixel = bytes((b, g, r))
    w, h = image.rect.w, image.rect.h
    data = image.data
    xs, ys = [], []
    for y in range(0, h, step):
        row = y * w * 4
        for x in range(0, w, step):
            i = row + x * 4
            if data[i:i + 3] == pixel:
                xs.append(x)
                ys.append(y)
    if not xs:
        return None

    def same(x, y):
        i = (y * w + x) * 4
        return 0 <= x < w and 0 <= y < h and data[i:i + 3] == pixel
    x0, y0, x1, y1 = min(xs), min(ys), max(xs), max(ys)
    while same(x0 - 1, y0):
        x0 -= 1
    while same(x0, y0 - 1):
        y0 -= 1
    while same(x1 + 1, y1):
        x1 += 1
    while same(x1, y1 + 1):
        y1 += 1
    return Rect(x0, y0, x1 - x0 + 1, y1 - y0 + 1)


def changed_pixels(before, after, step=4):
    """How many of the pixels looked at (every `step` in both directions) differ."""
    w = before.rect.w
    count = 0
    for y in range(PANEL_HEIGHT, before.rect.h, step):
        for x in range(0, w, step):
            i = (y * w + x) * 4
            count += before.data[i:i + 3] != after.data[i:i + 3]
    return count


def framed_in_black(g):
    """Whether the scene is drawn amid black, as it is in full screen: a window that the
    compositor still holds full screen, however small its drawing, has no title bar above it."""
    above = Rect(g.origin.x, max(g.origin.y - 20, 0), 640, 10)
    return g.screen.grab(above).share(above, [g.places.BLACK]) > 0.5


def centred_in_black(g):
    """Whether the scene found is scaled uniformly and stands centred between black bars as
    wide on its left as on its right: the window is wider than the scene, which fills it."""
    b = g.origin
    if abs(b.w * 480 - b.h * 640) > 2 * 640:
        return False
    row = g.screen.grab(Rect(0, b.y + b.h // 2, OUTPUT[0], 1))

    def bar(x, step):
        width = 0
        while 0 <= x < OUTPUT[0] and row.at(x, row.rect.y) == g.places.BLACK:
            width, x = width + 1, x + step
        return width
    left, right = bar(b.x - 1, -1), bar(b.x + b.w, 1)
    return left > 0 and abs(left - right) <= 1


class Weston:
    """Weston with its X11 backend on `display`, for as long as the `with` lasts."""

    def __init__(self, display, runtime):
        self.display = display
        self.runtime = runtime
        self.socket = "brivazon-check"
        self.proc = None
        self.log = os.path.join(runtime, "weston.log")

    def __enter__(self):
        env = dict(os.environ, DISPLAY=self.display, XDG_RUNTIME_DIR=self.runtime)
        env.pop("WAYLAND_DISPLAY", None)
        with open(self.log, "wb") as log:
            self.proc = subprocess.Popen(
                ["weston", "--backend=x11-backend.so", "--use-pixman",
                 f"--width={OUTPUT[0]}", f"--height={OUTPUT[1]}", f"--socket={self.socket}",
                 "--idle-time=0"], env=env, stdout=log, stderr=subprocess.STDOUT)
        end = time.monotonic() + 15
        while not os.path.exists(os.path.join(self.runtime, self.socket)):
            if self.proc.poll() is not None or time.monotonic() > end:
                raise RuntimeError("Weston did not start:\n" + self.log_text())
            time.sleep(0.05)
        return self

    def log_text(self):
        with open(self.log, errors="replace") as f:
            return f.read()

    def __exit__(self, *exc):
        terminate(self.proc)


class WaylandGame:
    """The game as a client of `weston`, seen through the X server Weston's window is on."""

    def __init__(self, screen, weston, binary):
        self.screen = screen
        self.places = P.for_game(binary)
        self.display = screen.name
        env = private_env(screen.name)
        del env["DISPLAY"]  # Wayland or nothing: no falling back to X11
        env.update(WAYLAND_DISPLAY=weston.socket, XDG_RUNTIME_DIR=weston.runtime,
                   QT_QPA_PLATFORM="wayland")
        self.stderr_path = os.path.join(env["HOME"], "stderr.txt")
        with open(self.stderr_path, "wb") as err:
            self.proc = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL,
                                         stderr=err)
        self.origin = None
        self.scale = 1

    def output(self):
        return self.screen.grab(Rect(0, 0, *OUTPUT))

    def find(self):
        """Where the game's scene is now drawn, from the window colour of round 1."""
        box = locate(self.output(), self.places.ROUND1)
        if box is None:
            return None
        self.origin = box
        self.scale = min(box.w / 640, box.h / 480)
        return box

    def view(self):
        return G.View(self.screen, self.origin, self.places, self.scale)

    def wait_screen(self, test, timeout, what):
        def seen():
            return self.find() and test(self.view())
        return self.screen.wait(lambda: seen() or (time.sleep(0.05) and False), timeout, what)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=self.display),
                       check=True)

    def press(self, *keys):
        self.xdotool("key", "--delay", "30", *keys)

    def drag_resize(self, dx, dy):
        """Resizes the window as Weston lets a player do, dragging from inside its bottom right
        with the right button while holding the Super key."""
        x, y = self.origin.x + self.origin.w - 20, self.origin.y + self.origin.h - 20
        self.xdotool("keydown", "super", "mousemove", str(x), str(y), "mousedown", "3")
        for k in range(1, 11):
            self.xdotool("mousemove", str(x + dx * k // 10), str(y + dy * k // 10),
                         "sleep", "0.03")
        self.xdotool("mouseup", "3", "keyup", "super")

    def wait_exit(self, timeout):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def stderr(self):
        with open(self.stderr_path, errors="replace") as f:
            return f.read()


def focus_weston(display):
    """Gives the keyboard to Weston's window (there is no window manager to do it)."""
    env = dict(os.environ, DISPLAY=display)
    ids = subprocess.run(["xdotool", "search", "--class", "Weston Compositor"], env=env,
                         capture_output=True, text=True).stdout.split()
    if not ids:
        raise RuntimeError("Weston's window is not on the X server")
    subprocess.run(["xdotool", "windowfocus", "--sync", ids[0]], env=env, check=True)


def grown(g, step, what, large):
    """Waits for the scene to fill the window the compositor gave, `large` enough."""
    g.wait_screen(lambda v: large(g.origin) and G.topic_choice(v) and centred_in_black(g), 5,
                  f"the scene scaled to fill the window {what}")
    step(what, f"scene at {g.origin.x},{g.origin.y}, {g.origin.w} x {g.origin.h}, "
         "centred on black")


def full_screen_and_back(g, step, what):
    """F11 and back: the scene as it was before, no longer framed as in full screen."""
    before = g.origin
    g.press("F11")
    g.wait_screen(lambda v: g.origin.w >= OUTPUT[0] - 1 and G.topic_choice(v), 5,
                  f"the full-screen topic choice from the window {what}")
    g.press("F11")
    g.wait_screen(lambda v: g.origin == before and G.topic_choice(v), 5,
                  f"the window {what} again after full screen")
    step("full screen and back", f"{what} again")


def play(g, step):
    """The game from its start to the end by Escape; `step` reports each stage."""
    g.wait_screen(G.player_count, 20, "the player count")
    step("the player count", f"scene at {g.origin.x},{g.origin.y}, {g.origin.w} x {g.origin.h}")
    g.press("1")
    g.wait_screen(G.name_entry, 5, "the name box")
    step("the name box", "")
    g.screen.run(0.3)
    before = g.output()
    g.press("Return")  # no name: the missing-name message
    g.screen.wait(lambda: changed_pixels(before, g.output()) > 500 or time.sleep(0.05), 5,
                  "the missing-name message")
    step("the missing-name message", "opened on the empty name")
    g.screen.run(0.3)
    g.press("Return")
    g.wait_screen(G.topic_choice, 10, "the topic choice after the message")
    step("the topic choice", "the message closed with Enter, the game went on")
    g.press("F11")
    g.wait_screen(lambda v: g.origin.w >= OUTPUT[0] - 1 and G.topic_choice(v), 5,
                  "the full-screen topic choice")
    step("full screen", f"scene {g.origin.w} x {g.origin.h}, scale {g.scale:.2f}")
    g.press("F11")
    g.wait_screen(lambda v: (g.origin.w, g.origin.h) == (640, 480) and G.topic_choice(v) and
                  not framed_in_black(g), 5, "the topic choice back in a window of its own")
    step("back in the window", f"scene at {g.origin.x},{g.origin.y}, 640 x 480")
    g.press("super+shift+m")
    grown(g, step, "maximised", lambda b: b.h > 600)
    full_screen_and_back(g, step, "maximised")
    g.press("super+shift+m")
    g.wait_screen(lambda v: (g.origin.w, g.origin.h) == (640, 480) and G.topic_choice(v), 5,
                  "the window at its own size again")
    # Weston has been seen to miss a drag made while the machine was busy: the player would drag
    # again, and so does the check, once.
    for attempt in (1, 2):
        g.drag_resize(300, 100)
        try:
            grown(g, step, "resized", lambda b: b.h > 500)
            break
        except Timeout:
            if attempt == 2:
                raise
    full_screen_and_back(g, step, "resized")
    g.press("Escape")
    status = g.wait_exit(3)
    if status != 0:
        raise Timeout("the game is still running after Escape" if status is None
                      else f"the game ended with status {status}")
    step("Escape", "the game ended with status 0")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--game", required=True, help="the game binary")
    parser.add_argument("--out", help="a folder for a picture of Weston's output on failure")
    args = parser.parse_args()
    # Weston is the only client that needs the keyboard: no window manager.
    with Xvfb(*OUTPUT, window_manager=False) as server, \
            tempfile.TemporaryDirectory(prefix="brivazon-wl-") as runtime:
        os.chmod(runtime, 0o700)
        with Weston(server.name, runtime) as weston:
            screen = Screen(server.name)
            focus_weston(server.name)
            g = WaylandGame(screen, weston, args.game)

            def step(what, note):
                print(f"{what}: {note}" if note else what, flush=True)
            try:
                play(g, step)
            except Timeout as e:
                print(f"FAILED: {e}", file=sys.stderr)
                if args.out:
                    os.makedirs(args.out, exist_ok=True)
                    path = os.path.join(args.out, "wayland-failure.png")
                    g.output().save_png(path)
                    print(f"Weston's output: {path}", file=sys.stderr)
                print(g.stderr() or "(no error output from the game)", file=sys.stderr)
                return 1
            finally:
                if g.proc.poll() is None:
                    g.proc.kill()
                    g.proc.wait()
            errors = g.stderr().strip()
            if errors:
                print(f"FAILED: the game wrote on its error output:\n{errors}", file=sys.stderr)
                return 1
    print("the game plays on Wayland")
    return 0


if __name__ == "__main__":
    sys.exit(main())
