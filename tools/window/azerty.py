# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A game started on a French keyboard: under a private Xvfb switched to the French layout
(setxkbmap fr), the top-row keys marked 2 and 3, sent by their key codes as a keyboard sends
them (they type "é" and '"' there), choose two players and then a topic; the names are typed on
the same layout. Sending the key codes matters: `xdotool key 2` would add Shift to reach the
digit and pass without the top row working at all.
"""

import argparse
import subprocess
import sys

from . import game as G
from .xwatch import Screen, Timeout, Xvfb

# The top row's key codes under X11: the key marked 1 is 10, the key marked 2 is 11.
TOP_ROW = {str(n): str(9 + n) for n in range(1, 10)}


def layout(display):
    out = subprocess.run(["setxkbmap", "-display", display, "-query"], check=True,
                         capture_output=True, text=True).stdout
    return next((line.split()[-1] for line in out.splitlines() if line.startswith("layout")), "")


def play(g):
    g.find_window()
    g.wait_screen(G.player_count, 10, "the player count")
    g.press(TOP_ROW["2"])
    g.wait_screen(G.name_entry, 5, "the name box after the key marked 2")
    # Typed on the same layout: the name box takes what it types, accents included.
    for name in ("Zoé", "Léo"):
        g.wait_screen(G.name_entry, 5, "the name box")
        g.screen.run(0.6)  # the prompt slides in over the box before it has the keyboard
        g.type(name)
        g.press("Return")
    g.close_boxes_until(G.topic_choice, 10, "the topic choice")
    g.screen.run(0.1)
    g.press(TOP_ROW["3"])
    g.wait_screen(G.title_card, 5, "the question's title card after the key marked 3")
    g.wait_screen(G.question, 8, "the question")


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
            play(g)
        except Timeout as e:
            print(f"FAILED: {e}")
            return 1
        finally:
            g.kill()
    print("passed: on the French layout the top row chose two players and a topic")
    return 0


if __name__ == "__main__":
    sys.exit(main())
