# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Watching and driving a real window from outside, through the X server it is drawn on.

The server runs a window manager (Debian's openbox), as a desktop does: it frames, places and
takes full screen for the windows. One X client of our own listens on the root window: every
top-level window mapped or unmapped (the game's window, found inside the frame the window manager
puts around it) and, through the DAMAGE extension, every rectangle drawn
anywhere on the screen, each stamped with the monotonic time at which it reached us. Keys go in
through XTEST, the request xdotool sends too; pixels come back through GetImage. The process
under watch is never touched, so what is measured is what a player would see.

The X server's own event timestamps are not used: Xvfb only refreshes its clock on input, so a
damage event may carry a time many milliseconds old. The time at which an event reaches a
client that is waiting on the socket is late by well under a millisecond on an idle machine.
"""

import os
import select
import struct
import subprocess
import tempfile
import time
import zlib
from dataclasses import dataclass

from Xlib import X, XK, display, error
from Xlib.ext import damage, xtest


class Timeout(Exception):
    """Something awaited on the screen did not happen in time."""


@dataclass(frozen=True)
class Rect:
    x: int
    y: int
    w: int
    h: int

    def intersects(self, other):
        return (self.x < other.x + other.w and other.x < self.x + self.w and
                self.y < other.y + other.h and other.y < self.y + self.h)

    def moved(self, dx, dy):
        return Rect(self.x + dx, self.y + dy, self.w, self.h)


@dataclass
class Damage:
    t: float
    rect: Rect


@dataclass
class TopLevel:
    id: int          # the program's own window
    title: str
    rect: Rect       # its inside, in screen coordinates
    mapped_at: float
    unmapped_at: float = None
    frame: int = 0   # the root's child that holds it: the window manager's frame, or itself


@dataclass
class Image:
    """Pixels of one rectangle of the screen, as red, green, blue triples."""
    rect: Rect
    data: bytes  # 4 bytes a pixel, blue, green, red, unused (the 24-bit ZPixmap layout)

    def at(self, x, y):
        """The colour at screen coordinates (x, y)."""
        i = ((y - self.rect.y) * self.rect.w + (x - self.rect.x)) * 4
        b, g, r = self.data[i], self.data[i + 1], self.data[i + 2]
        return (r, g, b)

    def share(self, rect, colours):
        """The share of the pixels of `rect` (screen coordinates) whose colour is one of
        `colours`."""
        hits = 0
        for y in range(rect.y, rect.y + rect.h):
            for x in range(rect.x, rect.x + rect.w):
                hits += self.at(x, y) in colours
        return hits / (rect.w * rect.h)

    def rgb(self):
        out = bytearray(self.rect.w * self.rect.h * 3)
        out[0::3] = self.data[2::4]
        out[1::3] = self.data[1::4]
        out[2::3] = self.data[0::4]
        return bytes(out)

    def save_png(self, path):
        write_png(path, self.rect.w, self.rect.h, self.rgb())


def write_png(path, width, height, rgb):
    """An 8-bit RGB PNG of `rgb` (rows top to bottom, no padding)."""
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    stride = width * 3
    raw = b"".join(b"\0" + rgb[y * stride:(y + 1) * stride] for y in range(height))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 6)))
        f.write(chunk(b"IEND", b""))


def terminate(proc, grace=5):
    """Ends a process the check started: asked first, then killed if it will not go."""
    proc.terminate()
    try:
        proc.wait(grace)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


class Xvfb:
    """A private virtual X server on a free display number, with a window manager, for as long
    as the `with` lasts."""

    def __init__(self, width=1024, height=768, window_manager=True):
        self.size = (width, height)
        self.proc = None
        self.wm = None
        self.name = None
        self.window_manager = window_manager

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{self.size[0]}x{self.size[1]}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as f:
            while not number.endswith(b"\n"):
                ready, _, _ = select.select([f], [], [], 10)
                part = os.read(f.fileno(), 16) if ready else b""
                if not part:
                    self.proc.kill()
                    raise RuntimeError("Xvfb did not start")
                number += part
        self.name = ":" + number.decode().strip()
        if self.window_manager:
            self._start_window_manager()
        return self

    def _start_window_manager(self):
        env = dict(os.environ, DISPLAY=self.name)
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # It is ready once it names itself on the root window, as the EWMH has it.
        d = display.Display(self.name)
        check = d.intern_atom("_NET_SUPPORTING_WM_CHECK")
        end = time.monotonic() + 10
        try:
            while d.screen().root.get_full_property(check, X.AnyPropertyType) is None:
                if time.monotonic() > end or self.wm.poll() is not None:
                    raise RuntimeError("the window manager (openbox) did not start")
                time.sleep(0.05)
        finally:
            d.close()

    def __exit__(self, *exc):
        for proc in (self.wm, self.proc):
            if proc is not None:
                terminate(proc)


class Screen:
    """Our client of the X server: the windows that come and go, the damage, keys, pixels."""

    def __init__(self, name):
        self.name = name
        self.d = display.Display(name)
        self.root = self.d.screen().root
        for ext in ("DAMAGE", "XTEST"):
            if not self.d.has_extension(ext):
                raise RuntimeError(f"the X server {name} has no {ext} extension")
        self.d.damage_query_version()
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        # Raw rectangles: one event for every drawing operation, never merged or held back.
        self.root.damage_create(damage.DamageReportRawRectangles)
        # Compared by code: python-xlib builds its own class for extension events.
        self.damage_code = (self.d.query_extension("DAMAGE").first_event +
                            damage.DamageNotifyCode)
        self.damage = []   # every Damage since start, in arrival order
        self.mapped = {}   # window id -> TopLevel, the programs' windows on screen now
        self.frames = {}   # the root's child that holds a window -> its id
        self.log = []      # (time, "map" or "unmap", TopLevel), in arrival order
        self.d.sync()

    # Events.

    def pump(self, timeout):
        """Waits up to `timeout` seconds for events, then takes in all that have arrived."""
        if not self.d.pending_events():
            ready, _, _ = select.select([self.d.fileno()], [], [], max(timeout, 0))
            if not ready:
                return False
        t = time.monotonic()
        while self.d.pending_events():
            self._take(self.d.next_event(), t)
        return True

    def run(self, seconds):
        """Takes in events for `seconds`."""
        end = time.monotonic() + seconds
        while (left := end - time.monotonic()) > 0:
            self.pump(left)

    def wait(self, done, timeout, what):
        """Takes in events until `done()` holds; returns its value. Raises Timeout after
        `timeout` seconds, naming `what` was awaited."""
        end = time.monotonic() + timeout
        while True:
            value = done()
            if value:
                return value
            left = end - time.monotonic()
            if left <= 0:
                raise Timeout(f"waited {timeout:g} s for {what}")
            self.pump(min(left, 0.01))

    def _take(self, e, t):
        if e.type == X.MapNotify and e.event == self.root:
            top = self._describe(e.window, t)
            if top:
                self.mapped[top.id] = top
                self.frames[top.frame] = top.id
                self.log.append((t, "map", top))
        elif e.type in (X.UnmapNotify, X.DestroyNotify) and e.event == self.root:
            top = self.mapped.pop(self.frames.pop(e.window.id, e.window.id), None)
            if top:
                top.unmapped_at = t
                self.log.append((t, "unmap", top))
        elif e.type == self.damage_code:
            a = e.area
            self.damage.append(Damage(t, Rect(a.x, a.y, a.width, a.height)))

    def _title(self, window):
        title = window.get_full_text_property(self.d.intern_atom("_NET_WM_NAME"))
        return title if title is not None else window.get_wm_name()

    def _client(self, frame):
        """The program's window inside a window manager's frame (the one with WM_STATE, or else
        the first with a title), or the frame itself when nothing frames it."""
        state = self.d.intern_atom("WM_STATE")
        todo, titled = [frame], None
        while todo:
            w = todo.pop(0)
            if w.get_full_property(state, X.AnyPropertyType) is not None:
                return w
            if titled is None and self._title(w):
                titled = w
            todo.extend(w.query_tree().children)
        return titled or frame

    def _describe(self, frame, t):
        try:
            window = self._client(frame)
            title = self._title(window)
            rect = self.geometry(window.id)
        except error.XError:
            return None  # gone again before we could look
        return TopLevel(window.id, title or "", rect, t, frame=frame.id)

    def geometry(self, window_id):
        """Where a window's inside is on the screen now."""
        window = self.d.create_resource_object("window", window_id)
        g = window.get_geometry()
        at = window.translate_coords(self.root, 0, 0)
        return Rect(-at.x, -at.y, g.width, g.height)

    def frame_geometry(self, top):
        """Where the window manager's frame around a window is on the screen now."""
        g = self.d.create_resource_object("window", top.frame).get_geometry()
        return Rect(g.x, g.y, g.width, g.height)

    def damage_since(self, index, rect=None):
        """The damage events from position `index` on, those touching `rect` if given."""
        return [d for d in self.damage[index:] if rect is None or d.rect.intersects(rect)]

    def last_damage(self, rect, since=0):
        """The latest damage event touching `rect` from index `since` on, or None."""
        for i in range(len(self.damage) - 1, since - 1, -1):
            if self.damage[i].rect.intersects(rect):
                return self.damage[i]
        return None

    # Keys and pixels.

    def key(self, name):
        """Presses and releases the key of keysym `name` ("b", "Return"); returns the
        monotonic time just before the press went out."""
        code = self.d.keysym_to_keycode(XK.string_to_keysym(name))
        if not code:
            raise ValueError(f"no key for {name!r}")
        t = time.monotonic()
        xtest.fake_input(self.d, X.KeyPress, code)
        xtest.fake_input(self.d, X.KeyRelease, code)
        self.d.flush()
        return t

    def grab(self, rect):
        """The pixels of `rect`, in screen coordinates."""
        reply = self.root.get_image(rect.x, rect.y, rect.w, rect.h, X.ZPixmap, 0xFFFFFFFF)
        return Image(rect, reply.data)

    def move_window(self, window_id, x, y):
        """Moves a top-level window, as a player dragging it would."""
        self.d.create_resource_object("window", window_id).configure(x=x, y=y)
        self.d.flush()

    def destroy_window(self, window_id):
        """Destroys a window from outside, as `xdotool windowclose` does (XDestroyWindow from
        another client)."""
        self.d.create_resource_object("window", window_id).destroy()
        self.d.flush()

    def _ask_window_manager(self, window_id, kind, data):
        """Sends the window manager a request of the EWMH about a window, as a pager does."""
        from Xlib.protocol import event as xevent
        window = self.d.create_resource_object("window", window_id)
        message = xevent.ClientMessage(window=window, client_type=self.d.intern_atom(kind),
                                       data=(32, (list(data) + [0] * 5)[:5]))
        self.root.send_event(message, event_mask=X.SubstructureRedirectMask |
                             X.SubstructureNotifyMask)
        self.d.flush()

    def maximise(self, window_id, on=True):
        """Asks the window manager to maximise a window (or to restore it), as the maximise
        button of its title bar does."""
        self._ask_window_manager(window_id, "_NET_WM_STATE", [
            1 if on else 0, self.d.intern_atom("_NET_WM_STATE_MAXIMIZED_VERT"),
            self.d.intern_atom("_NET_WM_STATE_MAXIMIZED_HORZ"), 2])

    def resize(self, window_id, width, height):
        """Asks the window manager to give a window's inside this size, as dragging its edges
        does (its width and height only, its gravity its own)."""
        self._ask_window_manager(window_id, "_NET_MOVERESIZE_WINDOW",
                                 [(1 << 10) | (1 << 11) | (2 << 12), 0, 0, width, height])

    def maximised(self, window_id):
        """Whether the window manager holds a window maximised both ways."""
        window = self.d.create_resource_object("window", window_id)
        state = window.get_full_property(self.d.intern_atom("_NET_WM_STATE"), X.AnyPropertyType)
        held = set(state.value) if state else set()
        return all(self.d.intern_atom(f"_NET_WM_STATE_MAXIMIZED_{way}") in held
                   for way in ("VERT", "HORZ"))

    def close_window(self, window_id):
        """Asks a top-level window to close the way a window manager's close button does: the
        WM_DELETE_WINDOW message of the ICCCM."""
        from Xlib.protocol import event as xevent
        protocols = self.d.intern_atom("WM_PROTOCOLS")
        delete = self.d.intern_atom("WM_DELETE_WINDOW")
        window = self.d.create_resource_object("window", window_id)
        message = xevent.ClientMessage(window=window, client_type=protocols,
                                       data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(message, event_mask=0)
        self.d.flush()


class Proc:
    """What the kernel counts for a running process, over all its threads."""

    def __init__(self, pid):
        self.pid = pid

    def _tasks(self):
        base = f"/proc/{self.pid}/task"
        return [f"{base}/{t}" for t in os.listdir(base)]

    def cpu_ns(self):
        """CPU time used so far, in nanoseconds (the scheduler's count, not 10 ms ticks)."""
        total = 0
        for task in self._tasks():
            try:
                with open(f"{task}/schedstat") as f:
                    total += int(f.read().split()[0])
            except FileNotFoundError:
                pass  # a thread that ended meanwhile
        return total

    def switches(self):
        """Context switches so far, voluntary (a wake-up after sleeping) and not."""
        total = 0
        for task in self._tasks():
            try:
                with open(f"{task}/status") as f:
                    for line in f:
                        if line.startswith(("voluntary_ctxt_switches",
                                            "nonvoluntary_ctxt_switches")):
                            total += int(line.split()[1])
            except FileNotFoundError:
                pass
        return total

    def status_kb(self, key):
        with open(f"/proc/{self.pid}/status") as f:
            for line in f:
                if line.startswith(key + ":"):
                    return int(line.split()[1])
        return None


def private_env(display_name, home=None):
    """The environment a watched program runs in: our display, and (when `home` is given) a
    fresh home, cache, config and runtime folder, so nothing it writes lands elsewhere."""
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("QT_", "XDG_", "WAYLAND"))}
    env["DISPLAY"] = display_name
    home = home or tempfile.mkdtemp(prefix="brivazon-home-")
    for var, sub in (("HOME", ""), ("XDG_CACHE_HOME", ".cache"), ("XDG_CONFIG_HOME", ".config"),
                     ("XDG_DATA_HOME", ".local/share"), ("XDG_RUNTIME_DIR", "runtime")):
        path = os.path.join(home, sub) if sub else home
        os.makedirs(path, mode=0o700, exist_ok=True)
        env[var] = path
    return env
