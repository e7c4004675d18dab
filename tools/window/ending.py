# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Ending the real game by hand, under a private Xvfb with a window manager: Escape and the
window's close button in every phase and on both windows, also while a message box is open, and
the window destroyed by another program.

For each place of a one-player game and each way out, a fresh game is brought there with real
keys (to one of them by mouse clicks), then ended: Escape (on an open box it presses the box's OK, as a player's Escape does, so
Escape is pressed again until the game is gone), the close button of the game window (the
WM_DELETE_WINDOW message a window manager sends for it), or, at a few places with and without a
box open, the window destroyed from outside (what `xdotool windowclose` does). The game passes
when its process exits with status 0 within a second of the last key, no window is shown after
it, and it printed nothing on its error output.
"""

import argparse
import sys
import time

from . import game as G
from . import measure as M
from .xwatch import Screen, Timeout, Xvfb


def to_count(g):
    g.wait_screen(G.player_count, 10, "the player count")


def to_name(g):
    to_count(g)
    g.press("1")
    g.wait_screen(G.name_entry, 5, "the name box")
    g.type("Al")


def to_missing_name_box(g):
    to_count(g)
    g.press("1")
    g.wait_screen(G.name_entry, 5, "the name box")
    g.press("Return")
    g.wait_box(5, "the missing-name box")


def to_welcome(g):
    to_name(g)
    g.press("Return")
    g.screen.run(0.6)
    g.wait_screen(G.title_card, 5, "the welcome card")


def to_topic(g):
    to_name(g)
    g.press("Return")
    g.wait_screen(G.topic_choice, 8, "the topic choice")
    g.screen.run(0.1)


def to_card(g):
    to_topic(g)
    g.press("3")
    g.screen.run(1.0)
    g.wait_screen(G.title_card, 5, "the question card")


def to_question(g):
    to_topic(g)
    g.press("3")
    g.wait_screen(G.question, 10, "the question")


def to_answer(g):
    to_question(g)
    g.press("b")
    g.screen.run(0.2)


def to_verdict_box(g):
    to_answer(g)
    g.press("4")
    g.wait_box(5, "the verdict")


def to_verdict_by_mouse(g):
    """The count, a topic, the buzz in the seat's zone (one player: the whole band) and the
    answer, all clicked; only the name is typed."""
    to_count(g)
    g.click("lbl1P")
    g.wait_screen(G.name_entry, 5, "the name box after a click on the badge")
    g.type("Al")
    g.press("Return")
    g.wait_screen(G.topic_choice, 8, "the topic choice")
    g.screen.run(0.1)
    g.click("lblTopic3")
    g.wait_screen(G.question, 10, "the question after a click on the topic")
    g.click("lblB")
    g.screen.run(0.2)
    g.click("lblChoice4")
    g.wait_box(5, "the verdict after a click on the choice")


def to_reveal_box(g):
    to_answer(g)
    g.wait_box(8, "the reveal after the answer time ran out")


PLACES = (
    ("the player count", to_count),
    ("a name being typed", to_name),
    ("the missing-name box", to_missing_name_box),
    ("the welcome card", to_welcome),
    ("the topic choice", to_topic),
    ("a question card", to_card),
    ("a question", to_question),
    ("an answer being chosen", to_answer),
    ("a verdict's box", to_verdict_box),
    ("a verdict's box, clicked to", to_verdict_by_mouse),
    ("a reveal's box", to_reveal_box),
)
# Destroying the window is tried where no box is open and where one is.
DESTROYED_AT = ("the player count", "the missing-name box", "a question", "a verdict's box")


def end(g, how):
    """Ends the game `how` ("Escape", "close" or "destroyed"); returns (exit status or None,
    keys pressed, ms from the last action to the exit, windows shown after the last action)."""
    s = g.screen
    presses = 0
    while True:
        maps_before = len(s.log)
        damage = len(s.damage)
        if how == "close":
            sent = time.monotonic()
            s.close_window(g.window.id)
        elif how == "destroyed":
            sent = time.monotonic()
            s.destroy_window(g.window.id)
        else:
            sent = s.key("Escape")
            presses += 1
        status = g.wait_exit(1.0)
        shown = [top.title for _, kind, top in s.log[maps_before:] if kind == "map"]
        if status is not None or how != "Escape" or presses >= 5:
            return status, presses, (time.monotonic() - sent) * 1000, shown
        # Escape pressed the OK of a box: the game goes on, and Escape comes again once the
        # window has drawn what follows the box (a box that follows it is closed the same way).
        s.wait(lambda: s.damage_since(damage, g.bar()) or len(s.log) > maps_before, 2,
               "the box to close")
        s.run(0.2)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--game", required=True, help="the game binary")
    parser.add_argument("--ways", default="Escape,close,destroyed",
                        help="the ways out to try, separated by commas")
    args = parser.parse_args()
    chosen = args.ways.split(",")
    rows, failed = [], 0
    with Xvfb() as server:
        screen = Screen(server.name)
        for where, reach in PLACES:
            ways = ("Escape", "close") + (("destroyed",) if where in DESTROYED_AT else ())
            for how in (w for w in ways if w in chosen):
                g = G.Game(screen, args.game)
                try:
                    g.find_window()
                    reach(g)
                    status, presses, ms, shown = end(g, how)
                    problems = []
                    if status != 0:
                        problems.append("still running" if status is None
                                        else f"exit status {status}")
                    if shown and status == 0:
                        problems.append("showed " + ", ".join(shown) + " after")
                    if g.stderr().strip():
                        problems.append("error output: " + g.stderr().strip()[:200])
                    outcome = "; ".join(problems) or "ended"
                    took = f"{ms:.0f}" if status is not None else "-"
                    keys = str(presses) if how == "Escape" else "-"
                except Timeout as e:
                    outcome, took, keys = f"not reached: {e}", "-", "-"
                finally:
                    g.kill()
                ok = outcome == "ended"
                failed += not ok
                rows.append([where, how, keys, took, outcome if ok else "FAILED: " + outcome])
                print(f"{where}, {how}: {rows[-1][-1]}", flush=True)
    print()
    print(M.table(rows, ["where", "how", "Escapes", "exit after (ms)", "outcome"]))
    print(f"{len(rows) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
