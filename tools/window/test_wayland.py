# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Tests of how the Wayland check finds the game on Weston's output: the scene's exact box from
a sparse look, and the count of changed pixels that tells a message box from a blinking cursor."""

import unittest

from .wayland import PANEL_HEIGHT, changed_pixels, locate
from .xwatch import Image, Rect

GREY = (90, 90, 90)
ORANGE = (255, 192, 128)


def picture(w, h, paint):
    """An image of w x h whose pixel (x, y) has the colour paint(x, y)."""
    data = bytearray()
    for y in range(h):
        for x in range(w):
            r, g, b = paint(x, y)
            data += bytes((b, g, r, 0))
    return Image(Rect(0, 0, w, h), bytes(data))


class Locate(unittest.TestCase):
    def test_the_box_is_exact_though_its_edges_fall_between_the_pixels_looked_at(self):
        def paint(x, y):
            return ORANGE if 13 <= x < 13 + 50 and 21 <= y < 21 + 30 else GREY
        self.assertEqual(locate(picture(80, 60, paint), ORANGE), Rect(13, 21, 50, 30))

    def test_a_colour_absent_from_the_output_is_nowhere(self):
        self.assertIsNone(locate(picture(16, 16, lambda x, y: GREY), ORANGE))


class Changes(unittest.TestCase):
    def test_only_changes_below_the_panel_count(self):
        h = PANEL_HEIGHT + 40
        before = picture(64, h, lambda x, y: GREY)
        clock = picture(64, h, lambda x, y: ORANGE if y < PANEL_HEIGHT else GREY)
        box = picture(64, h, lambda x, y: ORANGE if y >= PANEL_HEIGHT else GREY)
        self.assertEqual(changed_pixels(before, clock), 0)
        self.assertEqual(changed_pixels(before, box), (64 // 4) * (40 // 4))


if __name__ == "__main__":
    unittest.main()
