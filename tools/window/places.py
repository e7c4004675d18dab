# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Where the game's labels stand in its 640 x 480 window and the colours they show, read from the
screen inventory that the scenario runner prints (`brivazon-sim --inventory`), so that the checks
follow the layout instead of keeping a copy of it.

A place is a thin strip along an edge of a label, away from its text, so that it shows the
label's back colour whatever the label says.
"""

import functools
import os

from . import sim
from .xwatch import Rect

SIM = "brivazon-sim"


def find_sim(game):
    """The runner built with `game`: $WINDOW_SIM if set, else the first brivazon-sim in the
    game's folder or one of the two above it (the build tree puts it at its top)."""
    if os.environ.get("WINDOW_SIM"):
        return os.environ["WINDOW_SIM"]
    folder = os.path.dirname(os.path.abspath(game))
    for _ in range(3):
        candidate = os.path.join(folder, SIM)
        if os.access(candidate, os.X_OK):
            return candidate
        folder = os.path.dirname(folder)
    raise FileNotFoundError(f"no {SIM} beside {game}: build it or set WINDOW_SIM")


@functools.lru_cache(maxsize=None)
def for_game(game):
    return Places(sim.inventory([find_sim(game)]))


def left_strip(r):
    return Rect(r.x + 1, r.y + 1, 3, r.h - 2)


def right_strip(r):
    return Rect(r.x + r.w - 4, r.y + 1, 3, r.h - 2)


class Places:
    """The places and colours of the layout, in pixels from the window's top-left corner and as
    red, green, blue."""

    # The left edge of the window, clear of every label: always the window's own colour.
    EDGE = Rect(0, 180, 8, 240)
    # The window's four corners (a pixel in), clear of every label on the topic choice: a scene
    # cut by its window loses one.
    CORNERS = (Rect(1, 1, 2, 2), Rect(637, 1, 2, 2), Rect(1, 477, 2, 2), Rect(637, 477, 2, 2))
    # The left end of a message box's dark title bar, and its colour (the panel's own).
    BAR = (36, 52, 92)

    def __init__(self, inventory):
        forms = {f["name"]: f for f in inventory["forms"]}
        self.twips = inventory["twipsPerPixel"]
        frm_game = forms["frmGame"]
        self.elements = {e["name"]: e for e in frm_game["elements"]}
        colours = {name: tuple(c) for name, c in inventory["colours"].items()}

        self.ROUND1 = tuple(frm_game["back"])
        self.ROUND2 = colours["round2"]
        self.BLACK = tuple(forms["frmBlack"]["back"])
        self.YELLOW = colours["choice"]
        self.GREEN = colours["right"]
        self.RED = colours["wrong"]
        self.SCORE = colours["score"]
        self.WHITE = colours["textBox"]

        self.BADGES = tuple((left_strip(self.rect(n)), self.back(n))
                            for n in ("lbl1P", "lbl2P", "lbl3P"))
        name_box = self.rect("txtInput")  # inside its frame, right of any short name
        self.NAME_BOX = Rect(name_box.x + name_box.w - 9, name_box.y + 5, 4, name_box.h - 11)
        self.TOPICS = tuple((left_strip(self.rect(n)), self.back(n))
                            for n in ("lbl1", "lbl2", "lbl3"))
        self.NUMBER4 = left_strip(self.rect("lbl4"))  # "4)", shown with a question's choices only
        self.NUMBER4_COLOUR = self.back("lbl4")
        self.CHOICES = tuple(right_strip(self.rect(f"lblChoice{k}")) for k in range(1, 5))
        self.ROUND_LABEL = left_strip(self.rect("lblRound"))  # "Rond", top left
        self.ROUND_LABEL_COLOUR = self.back("lblRound")
        self.TIMER = self.rect("lblTimer")  # the seconds left, top right
        # The buzz banner ("Answer " and the name) and the middle seat's score box, for repaints.
        self.BANNER = self.rect("lblAPlayer")
        self.MIDDLE_SCORE = self.rect("lblB")
        self.MIDDLE_SCORE_EDGE = left_strip(self.MIDDLE_SCORE)
        # The seats' name tags, left to right (their row and colour), and their score boxes.
        self.TAGS = tuple(self.rect(f"lblName{k}0") for k in (1, 2, 3))
        self.TAG = self.back("lblName10")
        self.SCORES = tuple(left_strip(self.rect(n)) for n in ("lblQ", "lblB", "lblP"))
        area = self.area(frm_game["messageArea"])
        self.BOX_BAR = Rect(area.x + 2, area.y + 2, 4, 16)

    def area(self, a):
        t = self.twips
        return Rect(round(a["left"] / t), round(a["top"] / t), round(a["width"] / t),
                    round(a["height"] / t))

    def rect(self, name):
        return self.area(self.elements[name])

    def back(self, name):
        return tuple(self.elements[name]["back"])
