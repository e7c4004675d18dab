# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""One whole one-player game played through the real window with real keys, checked at every
stage by the colours of known places, with the figures taken on the way (frame trains, the
countdown, buzz-to-paint times, idle wake-ups): shared by the figures and the file checks."""

import os
import random
import time

from . import game as G
from . import measure as M
from .xwatch import Proc, Rect, Timeout

# Questions left to run out, for the countdown's figure; the others are buzzed and answered.
TIMED_OUT = (2, 5, 9, 12)


class Failure(Exception):
    """The game did not do what a player would see it do."""


def idle(screen, pid, seconds):
    """Wake-ups per second and CPU (% of a core) of a process left alone for `seconds`, and
    the paints seen meanwhile."""
    kernel = Proc(pid)
    paints = len(screen.damage)
    s0, c0, t0 = kernel.switches(), kernel.cpu_ns(), time.monotonic()
    screen.run(seconds)
    s1, c1, t1 = kernel.switches(), kernel.cpu_ns(), time.monotonic()
    return {"wakeups": (s1 - s0) / (t1 - t0), "cpu": (c1 - c0) / (t1 - t0) / 1e7,
            "paints": len(screen.damage) - paints}


def first_frame_after_pause(screen, since, rect, until, pause=1.0):
    """The arrival of the first drawing in `rect` after the last pause of at least `pause`
    seconds without drawing there, looking at damage from index `since` up to time `until`
    (a question's first frame after the title card's still two seconds)."""
    times = [d.t for d in screen.damage[since:] if d.rect.intersects(rect) and d.t <= until]
    start = times[-1]
    for earlier in reversed(times[:-1]):
        if start - earlier >= pause:
            break
        start = earlier
    return start


def animations(screen, since, rect, until=None):
    """The 10 ms animations drawn in `rect` from damage index `since` on: each train of frames,
    less its first frame (the key or the window swap that started it, not a tick)."""
    times = [d.t for d in screen.damage[since:]
             if d.rect.intersects(rect) and (until is None or d.t <= until)]
    found = []
    for run in M.trains(M.frames(times)):
        train = M.describe_train(run[1:])
        if train and train.frames >= 5:
            found.append(train)
    return found


class WholeGame:
    """One whole one-player game played through the real window, with its figures."""

    def __init__(self, screen, binary, shots, prefix=(), home=None, timed_out=TIMED_OUT,
                 idle_checks=True):
        self.screen, self.binary, self.shots = screen, binary, shots
        self.prefix, self.home = prefix, home
        self.timed_out, self.idle_checks = timed_out, idle_checks
        self.checks = []     # (stage, what was checked, passed)
        self.trains = {"badges and name prompt": [], "welcome line": [], "question cards": []}
        self.countdowns = []
        self.from_first_frame = []
        self.buzzes = {"question": [], "final round": []}
        self.idle = {}
        self.first_frame = None
        self.peak_kib = None
        self.status = None

    def check(self, stage, what, passed):
        self.checks.append((stage, what, bool(passed)))
        if not passed:
            raise Failure(f"{stage}: {what}")

    def shot(self, name, whole_screen=False):
        rect = Rect(0, 0, 1024, 768) if whole_screen else self.g.window.rect
        self.screen.grab(rect).save_png(os.path.join(self.shots, name + ".png"))

    def measure_idle(self, where, seconds):
        if self.idle_checks:
            self.idle[where] = idle(self.screen, self.g.proc.pid, seconds)

    def play(self):
        self.g = g = G.Game(self.screen, self.binary, self.prefix, self.home)
        try:
            self._play(g)
        except (Failure, Timeout):
            self.shot("failure", whole_screen=True)
            raise
        finally:
            g.kill()
            self.stderr = g.stderr()

    def _play(self, g):
        s = self.screen
        g.find_window()
        win = g.window.rect
        self.first_frame = (g.wait_screen(G.player_count, 10, "the player count") -
                            g.started) * 1000
        self.check("player count", "window colour of round 1, the three badges", True)
        self.shot("01-player-count")
        self.measure_idle("player count", 5)

        mark = len(s.damage)
        g.press("1")
        s.run(0.5)  # the badges and the prompt slide in: collected undisturbed
        g.wait_screen(G.name_entry, 5, "the name box")
        self.check("name", "badges gone, the name box shown", True)
        self.trains["badges and name prompt"] += animations(s, mark, win)
        self.shot("02-name")
        self.measure_idle("name being typed", 5)

        g.type("Zoe")
        mark = len(s.damage)
        g.press("Return")
        s.run(0.8)
        self.check("welcome", "the title card is black", G.title_card(g.view()))
        self.shot("03-welcome")
        g.wait_screen(G.topic_choice, 5, "the first topic choice")
        self.trains["welcome line"] += animations(s, mark, win, until=s.damage[-1].t)
        s.run(0.1)  # the third topic is loaded within a millisecond
        self.check("topic choice", "window colour of round 1, three topics",
                   G.topic_choice(g.view()))
        self.shot("04-topic-choice")
        self.measure_idle("topic choice", 10)
        self._window_sizes(g)

        for q in range(1, 15):
            self._question(g, q)
        self._final(g)

    def _window_sizes(self, g):
        """The window at its own size, maximised by the window manager, then resized by it to
        1000 x 700, each to full screen and back: the scene fills the window at every step, full
        screen gives the window back maximised or at its place and size, and the window restored
        from maximised stands where it stood. The window then goes back to its own size for the
        rest of the game."""
        s, wid = self.screen, g.window.id
        self._full_screen_and_back(g, "full screen")
        placed = s.geometry(wid)
        s.maximise(wid)
        self._resized(g, "maximised", lambda r: s.maximised(wid) and r.w > 640 and r.h > 480)
        self._full_screen_and_back(g, "full screen from maximised")
        s.maximise(wid, False)
        self._resized(g, "restored", lambda r: not s.maximised(wid) and r == placed,
                      f" where it stood, {placed}")
        s.resize(wid, 1000, 700)
        self._resized(g, "resized", lambda r: (r.w, r.h) == (1000, 700))
        self._full_screen_and_back(g, "full screen from 1000 x 700")
        s.resize(wid, 640, 480)
        self._resized(g, "back to its own size", lambda r: (r.w, r.h) == (640, 480))
        g.wait_screen(G.topic_choice, 5, "the topic choice after the window's sizes")

    def _resized(self, g, stage, reached, wanted=""):
        """Waits for the window's inside to pass `reached` with the scene filling it."""
        s = self.screen
        try:
            s.wait(lambda: reached(s.geometry(g.window.id)), 5, f"the window {stage}")
            done = True
        except Timeout:
            done = False
        g.refresh()
        self.check(stage, f"the window {stage}{wanted}: {g.window.rect}", done)
        self._fills(g, stage)

    def _fills(self, g, stage):
        s = self.screen
        try:
            s.wait(lambda: G.fills(s, s.geometry(g.window.id), g.places, G.topic_choice) or
                   s.run(0.05), 5, "the scene to fill the window")
            filled = True
        except Timeout:
            filled = False
        self.shot(f"04-{stage.replace(' ', '-')}", whole_screen=True)
        self.check(stage, "the scene fills the window, scaled uniformly, centred on black",
                   filled)

    def _full_screen_and_back(self, g, stage):
        s = self.screen
        before, maximised = s.geometry(g.window.id), s.maximised(g.window.id)
        g.press("F11")
        try:
            s.wait(lambda: s.geometry(g.window.id) == Rect(0, 0, 1024, 768), 3,
                   "the window to cover the screen")
            covered = True
        except Timeout:
            covered = False
        self.check(stage, "F11 covers the screen", covered)
        self._fills(g, stage)
        g.press("F11")
        try:
            s.wait(lambda: s.geometry(g.window.id) == before, 3, "the window to come back")
            back = True
        except Timeout:
            back = False
        s.run(0.3)
        frame = s.frame_geometry(s.mapped[g.window.id])
        self.check(stage, f"F11 again: back at {before}, now {s.geometry(g.window.id)}", back)
        self.check(stage, "maximised again" if maximised else "not maximised",
                   s.maximised(g.window.id) == maximised)
        self.check(stage, f"its title bar on the screen (frame at {frame.x}, {frame.y})",
                   frame.y >= 0 and frame.y < before.y)
        g.refresh()
        self._fills(g, f"back from {stage}")

    def _question(self, g, q):
        s, win, stage = self.screen, g.window.rect, f"question {q}"
        # Question 3 and 10 offer the gibberish question as topic 3: take topic 1 there.
        mark = len(s.damage)
        g.press("1" if q in (3, 10) else "3")
        s.run(2.8 if q in (1, 8) else 0.45)  # the card (round card first) slides undisturbed
        shown = g.wait_screen(G.question, 8, f"{stage}'s screen")
        start = first_frame_after_pause(s, mark, win, shown)
        self.trains["question cards"] += animations(s, mark, win, until=start - 0.1)
        p = g.places
        colour = p.ROUND1 if q <= 7 else p.ROUND2
        v = g.view()
        self.check(stage, "four yellow choices on the round's window colour",
                   v.is_(p.EDGE, colour) and G.question(v))
        self.check(stage, "the round display", v.is_(p.ROUND_LABEL, p.ROUND_LABEL_COLOUR))
        if q in (1, 8):
            self.shot(f"05-question-{q}")
        if q in self.timed_out:
            box = g.wait_box(17, f"{stage}'s reveal")
            choices = [c.moved(win.x, win.y) for c in p.CHOICES]
            painted = [d.t for d in s.damage[mark:] if d.t > start + 14.5 and
                       any(d.rect.intersects(c) for c in choices)]
            reveal = min([box.mapped_at] + painted[:1])
            # The countdown's own start, from the paints of its fourteen seconds: the question's
            # first frame is a whole window and comes a few milliseconds after it.
            timer = p.TIMER.moved(win.x, win.y)
            ticks = M.frames([d.t for d in s.damage[mark:]
                              if start + 0.5 < d.t < reveal - 0.5 and d.rect.intersects(timer)])
            begun = M.clock_start(ticks, start)
            self.countdowns.append((reveal - begun) * 1000)
            self.from_first_frame.append((reveal - start) * 1000)
            # The box stands over the question, clear of the choices.
            v = g.view()
            self.check(stage, "the right choice green while the reveal's box is open",
                       G.revealed(v) and G.box_open(v))
            if q == 2:
                self.shot("06-reveal")
        else:
            mark = len(s.damage)
            banner = p.BANNER.moved(win.x, win.y)
            sent = s.key("b")
            drawn = s.wait(lambda: next(iter(s.damage_since(mark, banner)), None), 2,
                           f"{stage}'s buzz to be painted")
            self.buzzes["question"].append((drawn.t - sent) * 1000)
            g.press("1")
            g.wait_box(5, f"{stage}'s verdict")
            v = g.view()
            self.check(stage, "the verdict's colour on the choices while its box is open",
                       G.verdict(v) and G.box_open(v))
            if q == 1:
                self.shot("06-verdict")
        g.close_boxes_until(G.topic_choice, 25, f"the topic choice after {stage}")
        s.run(0.1)

    def _final(self, g):
        s, win = self.screen, g.window.rect
        g.press("1")
        s.run(0.45)
        g.wait_screen(G.final_round, 12, "the final round")
        self.check("final round", "a black window with the score box", True)
        self.shot("07-final-round")
        score = g.places.MIDDLE_SCORE.moved(win.x, win.y)
        end = time.monotonic() + 300
        while not g.boxes():
            if time.monotonic() > end:
                raise Failure("the final round did not end within five minutes of buzzing")
            mark = len(s.damage)
            sent = s.key("b")
            drawn = s.wait(lambda: next(iter(s.damage_since(mark, score)), None) or g.boxes(),
                           2, "a final-round buzz to be painted")
            if not isinstance(drawn, list):
                self.buzzes["final round"].append((drawn.t - sent) * 1000)
            s.run(random.uniform(0.03, 0.07))
        g.wait_box(2)
        self.shot("08-game-over", whole_screen=True)
        g.answer_box()
        g.wait_box(5, "the result")
        self.shot("09-result", whole_screen=True)
        g.press("Return")
        self.status = g.wait_exit(5)
        self.check("end", "the process exits with status 0 after the result", self.status == 0)
        self.peak_kib = g.rusage.ru_maxrss
