# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Tests of the screen recognition on painted layouts: each screen of a game is told from the
others by the colours of its known places, whatever text the labels hold."""

import json
import os
import unittest

from . import game as G
from .places import Places
from .xwatch import Image, Rect

ORIGIN = Rect(100, 50, 640, 480)  # where the window stands on the screen
# The runner's screen inventory, as `brivazon-sim --inventory` printed it.
INVENTORY = os.path.join(os.path.dirname(__file__), "testdata", "inventory.json")
with open(INVENTORY) as f:
    P = Places(json.load(f))


class Painted:
    """A screen holding one window, painted rectangle by rectangle, read as the X server would
    give it back."""

    def __init__(self, background):
        self.pixels = [[background] * 640 for _ in range(480)]

    def fill(self, x, y, w, h, colour):
        for row in range(y, y + h):
            self.pixels[row][x:x + w] = [colour] * w
        return self

    def grab(self, rect):
        data = bytearray()
        for y in range(rect.y, rect.y + rect.h):
            for x in range(rect.x, rect.x + rect.w):
                r, g, b = self.pixels[y - ORIGIN.y][x - ORIGIN.x]
                data += bytes([b, g, r, 0])
        return Image(rect, bytes(data))

    def view(self):
        return G.View(self, ORIGIN, P)


def label(screen, rect, colour):
    return screen.fill(rect.x - 1, rect.y - 1, rect.w + 20, rect.h + 2, colour)


def question_screen(background, choice_colour=P.YELLOW):
    s = Painted(background)
    for (r, c) in P.TOPICS:
        label(s, r, c)
    label(s, P.NUMBER4, P.NUMBER4_COLOUR)
    for r in P.CHOICES:
        s.fill(r.x - 170, r.y - 1, r.w + 172, r.h + 2, choice_colour)
    return label(s, P.ROUND_LABEL, P.ROUND_LABEL_COLOUR)


ALL = {"player count": G.player_count, "name entry": G.name_entry, "title card": G.title_card,
       "topic choice": G.topic_choice, "question": G.question, "final round": G.final_round}


class Screens(unittest.TestCase):
    def recognised(self, screen):
        v = screen.view()
        return {name for name, test in ALL.items() if test(v)}

    def test_each_screen_is_told_from_the_others(self):
        count = Painted(P.ROUND1)
        for r, c in P.BADGES:
            label(count, r, c)
        self.assertEqual(self.recognised(count), {"player count"})

        name = label(Painted(P.ROUND1), P.NAME_BOX, P.WHITE)
        self.assertEqual(self.recognised(name), {"name entry"})

        topics = Painted(P.ROUND2)
        for r, c in P.TOPICS:
            label(topics, r, c)
        self.assertEqual(self.recognised(topics), {"topic choice"})

        self.assertEqual(self.recognised(question_screen(P.ROUND1)), {"question"})
        self.assertEqual(self.recognised(Painted(P.BLACK)), {"title card"})
        final = label(Painted(P.BLACK), P.MIDDLE_SCORE_EDGE, P.RED)
        self.assertEqual(self.recognised(final), {"final round"})

    def test_a_revealed_or_judged_question_is_no_longer_a_fresh_question(self):
        judged = question_screen(P.ROUND2)
        judged.fill(P.CHOICES[2].x - 170, P.CHOICES[2].y, 170 + P.CHOICES[2].w, P.CHOICES[2].h,
                    P.GREEN)
        self.assertFalse(G.question(judged.view()))
        self.assertTrue(G.revealed(judged.view()))
        self.assertFalse(G.revealed(question_screen(P.ROUND2).view()))

    def test_a_box_open_over_a_judged_question_leaves_its_verdict_in_sight(self):
        judged = question_screen(P.ROUND1)
        judged.fill(P.CHOICES[0].x - 170, P.CHOICES[0].y, 170 + P.CHOICES[0].w, P.CHOICES[0].h,
                    P.RED)
        self.assertTrue(G.verdict(judged.view()))
        self.assertFalse(G.box_open(judged.view()))
        # The panel over the question: its title bar and light body, clear of the choices.
        judged.fill(80, 48, 480, 22, P.BAR).fill(80, 70, 480, 68, (236, 236, 236))
        self.assertTrue(G.box_open(judged.view()))
        self.assertTrue(G.verdict(judged.view()))
        self.assertFalse(G.verdict(question_screen(P.ROUND1).view()))

    def test_a_few_stray_pixels_of_text_do_not_hide_a_colour(self):
        s = question_screen(P.ROUND1)
        s.fill(P.CHOICES[0].x, P.CHOICES[0].y + 5, 3, 2, (0, 0, 0))  # a glyph reaching the edge
        self.assertTrue(G.question(s.view()))


if __name__ == "__main__":
    unittest.main()
