# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A game started on a French keyboard: under a private Xvfb switched to the French layout
(setxkbmap fr), the top-row key marked 3, sent by its key code as a keyboard sends it (it types
'"' there), chooses three players and then a topic; the names are typed on the same layout, the
middle one long: each seat's name and score must show within its own third of the window.
Sending the key codes matters: `xdotool key 3` would add Shift to reach the digit and pass
without the top row working at all.
"""

import argparse
import subprocess
import sys

from . import game as G
from .xwatch import Rect, Screen, Timeout, Xvfb

# The top row's key codes under X11: the key marked 1 is 10, the key marked 2 is 11.
TOP_ROW = {str(n): str(9 + n) for n in range(1, 10)}


def layout(display):
    out = subprocess.run(["setxkbmap", "-display", display, "-query"], check=True,
                         capture_output=True, text=True).stdout
    return next((line.split()[-1] for line in out.splitlines() if line.startswith("layout")), "")


def seats_apart(v, width):
    """What shows beyond its seat: each third of the name row must hold its seat's tag with its
    name over it, no tag may cross into the next third, and no score box may be covered."""
    p, row, failed = v.p, v.p.TAGS[0], []
    for k in range(3):
        third = Rect(width * k // 3 + 1, row.y, width // 3 - 2, row.h)
        if not v.is_(third, p.TAG, at_least=0.05) or v.share(third, p.TAG, p.ROUND1) > 0.995:
            failed.append(f"no name on seat {k + 1}'s tag")
        if k and v.is_(Rect(width * k // 3 - 1, row.y, 2, row.h), p.TAG, at_least=0.1):
            failed.append(f"a name tag across seats {k} and {k + 1}")
        if not v.is_(p.SCORES[k], p.SCORE):
            failed.append(f"seat {k + 1}'s score covered")
    return failed


def play(g):
    g.find_window()
    g.wait_screen(G.player_count, 10, "the player count")
    g.press(TOP_ROW["3"])
    g.wait_screen(G.name_entry, 5, "the name box after the key marked 3")
    # Typed on the same layout: the name box takes what it types, accents included.
    for name in ("Zoé", "Maximilien-Alexandre de Saint-Exupéry-Beauregard", "Chloé"):
        g.wait_screen(G.name_entry, 5, "the name box")
        g.screen.run(0.6)  # the prompt slides in over the box before it has the keyboard
        g.type(name)
        g.press("Return")
    g.close_boxes_until(G.topic_choice, 10, "the topic choice")
    g.screen.run(0.1)
    failed = seats_apart(g.view(), g.window.rect.w)
    g.press(TOP_ROW["3"])
    g.wait_screen(G.title_card, 5, "the question's title card after the key marked 3")
    g.wait_screen(G.question, 8, "the question")
    return failed


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--game", required=True, help="the game binary")
    args = parser.parse_args()
    with Xvfb() as server:
        subprocess.run(["setxkbmap", "-display", server.name, "fr"], check=True)
        if layout(server.name) != "fr":
            print("FAILED: the X server did not take the French layout")
            return 1
        screen = Screen(server.name)
        g = G.Game(screen, args.game)
        try:
            failed = play(g)
        except Timeout as e:
            print(f"FAILED: {e}")
            return 1
        finally:
            g.kill()
    if failed:
        print("FAILED: " + "; ".join(failed))
        return 1
    print("passed: on the French layout the top row chose three players and a topic; each "
          "name and score within its seat")
    return 0


if __name__ == "__main__":
    sys.exit(main())
