# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real game as a player meets it: started under a private X server, driven with real keys,
its screens recognised by the colours of known places of the 640 x 480 window (`places`, read
from the game's own layout).

The draws at start-up are random (seeded from the clock), so nothing here depends on which
questions come: a screen is recognised by the colours the layout gives it (the window colour of
the round, the topic numbers, the yellow choices, the black title cards), never by text.
"""

import os
import subprocess
import time

from . import places as P
from .xwatch import Proc, Rect, private_env

# A screen is looked at once nothing has been drawn in the window for this long (the window
# colour of round 2 follows the question's first frame by one 5 ms tick).
SETTLE = 0.03
BOX_SEEN = 0.15


class View:
    """The window's pixels as they are now, read place by place: the places of the 640 x 480
    scene drawn at `scale` from `origin`."""

    def __init__(self, screen, origin, places, scale=1):
        self.screen = screen
        self.origin = origin
        self.p = places
        self.scale = scale

    def share(self, rect, *colours):
        s = self.scale
        r = Rect(self.origin.x + round(rect.x * s), self.origin.y + round(rect.y * s),
                 max(1, round(rect.w * s)), max(1, round(rect.h * s)))
        return self.screen.grab(r).share(r, colours)

    def is_(self, rect, *colours, at_least=0.9):
        return self.share(rect, *colours) >= at_least


def scene_in(window):
    """Where the scene stands in a window's inside `window`: scaled uniformly to the largest
    size that fits, centred. Returns its rectangle and its scale."""
    scale = min(window.w / 640, window.h / 480)
    w, h = round(640 * scale), round(480 * scale)
    return Rect(window.x + (window.w - w) // 2, window.y + (window.h - h) // 2, w, h), scale


def fills(screen, window, places, test):
    """Whether the window's inside `window` shows the screen `test` recognises as `scene_in`
    places it, with nothing cut (its four corners in the round's colour) and black beside it."""
    scene, scale = scene_in(window)
    v = View(screen, scene, places, scale)
    if not (test(v) and all(v.is_(c, places.ROUND1, places.ROUND2) for c in places.CORNERS)):
        return False
    right, bottom = window.x + window.w, window.y + window.h
    bars = (Rect(window.x, window.y, scene.x - window.x, window.h),
            Rect(scene.x + scene.w, window.y, right - scene.x - scene.w, window.h),
            Rect(window.x, window.y, window.w, scene.y - window.y),
            Rect(window.x, scene.y + scene.h, window.w, bottom - scene.y - scene.h))
    return all(screen.grab(b).share(b, [places.BLACK]) > 0.99 for b in bars if b.w and b.h)


# The screens of a game, each as a test of a View.
def player_count(v):
    p = v.p
    return v.is_(p.EDGE, p.ROUND1) and all(v.is_(r, c) for r, c in p.BADGES)


def name_entry(v):
    p = v.p
    return (v.is_(p.EDGE, p.ROUND1) and v.is_(p.NAME_BOX, p.WHITE) and
            not any(v.is_(r, c, at_least=0.1) for r, c in p.BADGES))


def title_card(v):
    p = v.p
    return v.is_(p.EDGE, p.BLACK) and v.is_(p.MIDDLE_SCORE_EDGE, p.BLACK)


def topic_choice(v):
    p = v.p
    return (v.is_(p.EDGE, p.ROUND1, p.ROUND2) and all(v.is_(r, c) for r, c in p.TOPICS) and
            v.is_(p.NUMBER4, p.ROUND1, p.ROUND2))


def question(v):
    p = v.p
    return (v.is_(p.EDGE, p.ROUND1, p.ROUND2) and v.is_(p.NUMBER4, p.NUMBER4_COLOUR) and
            all(v.is_(r, p.YELLOW) for r in p.CHOICES))


def revealed(v):
    p = v.p
    return any(v.is_(r, p.GREEN) for r in p.CHOICES)


def verdict(v):
    """A choice shows the verdict: green for the right one, red for a wrong one."""
    p = v.p
    return any(v.is_(r, p.GREEN, p.RED) for r in p.CHOICES)


def box_open(v):
    p = v.p
    return v.is_(p.BOX_BAR, p.BAR)


def final_round(v):
    p = v.p
    return v.is_(p.EDGE, p.BLACK) and v.is_(p.MIDDLE_SCORE_EDGE, p.SCORE, p.GREEN, p.RED)


class Box:
    """A message box open in the window, and when its title bar was last drawn."""

    def __init__(self, drawn_at):
        self.mapped_at = drawn_at


class Game:
    """One run of the game binary under a Screen: its process, its window, its boxes."""

    def __init__(self, screen, binary, prefix=(), home=None, extra_env=None):
        self.screen = screen
        self.places = P.for_game(binary)
        self.env = private_env(screen.name, home)
        self.env.update(extra_env or {})
        self.stderr_path = os.path.join(self.env["HOME"], "stderr.txt")
        self.mark = len(screen.damage)  # drawing before this index is not ours
        self.started = time.monotonic()
        with open(self.stderr_path, "wb") as err:
            self.proc = subprocess.Popen([*prefix, binary], env=self.env,
                                         stdout=subprocess.DEVNULL, stderr=err)
        self.kernel = Proc(self.proc.pid)
        self.status = None
        self.rusage = None
        self.window = None

    # The window and its boxes.

    def find_window(self, timeout=10):
        def found():
            return next((w for w in self.screen.mapped.values()
                         if w.title == "Brivazon!" and (w.rect.w, w.rect.h) == (640, 480)), None)
        self.window = self.screen.wait(found, timeout, "the game window")
        return self.window

    def view(self):
        return View(self.screen, self.window.rect, self.places)

    def refresh(self):
        """Reads the window's place again (the window manager may have moved it)."""
        self.window.rect = self.screen.geometry(self.window.id)

    def bar(self):
        return self.places.BOX_BAR.moved(self.window.rect.x, self.window.rect.y)

    def boxes(self):
        """The message box open in the window, as a list of none or one."""
        if self.window is None or not box_open(self.view()):
            return []
        # The drawing of the box reached us before the pixels did: take it in.
        self.screen.pump(0)
        drawn = self.screen.last_damage(self.bar(), self.mark)
        return [Box(drawn.t if drawn else time.monotonic())]

    def answer_box(self, key="Return"):
        """Presses `key` on the open box and waits until the window has drawn what follows it
        (the game under it, or the next box in its place)."""
        mark = len(self.screen.damage)
        self.press(key)
        self.screen.wait(lambda: self.screen.damage_since(mark, self.bar()), 5,
                         "the box to close")
        self.screen.run(SETTLE)

    def wait_box(self, timeout, what="a message box"):
        """Waits for a box to open, then as long as a player would take to see it: a key
        sent the instant it maps may reach the blocked game window before the box has the
        keyboard."""
        box = self.screen.wait(lambda: next(iter(self.boxes()), None), timeout, what)
        self.screen.run(BOX_SEEN)
        return box

    def wait_screen(self, test, timeout, what):
        """Waits until the window, its drawing settled, passes `test`; returns the arrival time
        of the last drawing in the window before it did (when the screen was complete)."""
        screen, seen = self.screen, [-1]
        first = time.monotonic()

        def done():
            last = screen.last_damage(self.window.rect, self.mark)
            if last and time.monotonic() - last.t < SETTLE:
                return None  # still drawing: a screen is judged once it stands
            if len(screen.damage) == seen[0]:
                return None  # nothing drawn since the last look
            seen[0] = len(screen.damage)
            if not test(self.view()):
                return None
            return last.t if last else first
        return screen.wait(done, timeout, what)

    # Keys: xdotool, as a player's keyboard would send them.

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def press(self, *keys):
        self.xdotool("key", "--delay", "30", *keys)

    def click(self, name):
        """A click of the mouse's first button on the middle of a label of the game window."""
        self.refresh()
        r = self.places.rect(name)
        self.xdotool("mousemove", str(self.window.rect.x + r.x + r.w // 2),
                     str(self.window.rect.y + r.y + r.h // 2), "click", "1")

    def type(self, text):
        self.xdotool("type", "--delay", "30", text)

    def close_boxes_until(self, test, timeout, what):
        """Presses Enter on every box that opens until the window passes `test` with no box
        open; returns how many boxes were closed."""
        closed = 0
        end = time.monotonic() + timeout
        while True:
            outcome = self.screen.wait(
                lambda: "box" if self.boxes() else ("screen" if test(self.view()) else None),
                max(end - time.monotonic(), 0), what)
            if outcome == "screen":
                return closed
            self.screen.run(BOX_SEEN)
            self.answer_box()
            closed += 1

    # The end.

    def wait_exit(self, timeout):
        """Waits for the process to end; returns its exit status (None if still running)."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            pid, status, rusage = os.wait4(self.proc.pid, os.WNOHANG)
            if pid:
                self.status = os.waitstatus_to_exitcode(status)
                self.rusage = rusage
                self.proc.returncode = self.status
                return self.status
            self.screen.pump(0.005)
        return None

    def kill(self):
        if self.status is None and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()

    def stderr(self):
        with open(self.stderr_path, errors="replace") as f:
            return f.read()
