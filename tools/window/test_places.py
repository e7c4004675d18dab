# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Tests of the places read from the screen inventory: the strips fall on the labels' edges, in
window pixels, and the window's own edge is clear of every label."""

import os
import stat
import tempfile
import unittest

from . import places
from .test_game import P
from .xwatch import Rect


class Places(unittest.TestCase):
    def test_strips_run_along_the_edges_of_their_labels_in_pixels(self):
        # lblChoice1 stands at 4200, 2640 twips, 2655 x 615: pixels 280, 176, 177 x 41.
        self.assertEqual(P.rect("lblChoice1"), Rect(280, 176, 177, 41))
        self.assertEqual(P.CHOICES[0], Rect(453, 177, 3, 39))  # inside its right edge
        self.assertEqual(P.CHOICES[3].y - P.CHOICES[0].y, 144)
        self.assertEqual(P.TOPICS[0], (Rect(233, 177, 3, 39), (128, 0, 0)))  # inside "1)"'s left
        self.assertEqual(P.BADGES[2][1], (255, 192, 255))
        self.assertEqual(P.BOX_BAR, Rect(82, 50, 4, 16))  # the message area's top-left corner
        self.assertEqual((P.ROUND1, P.BLACK), ((255, 192, 128), (0, 0, 0)))

    def test_the_window_edge_shows_only_the_window_colour(self):
        for name in P.elements:
            self.assertFalse(P.EDGE.intersects(P.rect(name)), name)

    def test_the_runner_is_found_beside_the_game_or_above_it(self):
        with tempfile.TemporaryDirectory() as top:
            os.makedirs(os.path.join(top, "app"))
            game = os.path.join(top, "app", "brivazon")
            sim = os.path.join(top, places.SIM)
            for path in (game, sim):
                with open(path, "w"):
                    pass
                os.chmod(path, stat.S_IRWXU)
            saved = os.environ.pop("WINDOW_SIM", None)
            try:
                self.assertEqual(places.find_sim(game), sim)
                os.remove(sim)
                with self.assertRaises(FileNotFoundError):
                    places.find_sim(game)
            finally:
                if saved is not None:
                    os.environ["WINDOW_SIM"] = saved


if __name__ == "__main__":
    unittest.main()
