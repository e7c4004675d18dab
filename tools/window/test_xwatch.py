# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Tests of what the watcher computes without a display: rectangles, pixels, PNG files."""

import os
import struct
import tempfile
import unittest
import zlib

from .xwatch import Image, Rect


class Rectangles(unittest.TestCase):
    def test_touching_rectangles_do_not_intersect(self):
        box = Rect(10, 10, 5, 5)
        self.assertTrue(box.intersects(Rect(14, 14, 1, 1)))
        self.assertFalse(box.intersects(Rect(15, 10, 5, 5)))  # right next to it
        self.assertFalse(box.intersects(Rect(10, 15, 5, 5)))  # just below
        self.assertTrue(box.intersects(Rect(0, 0, 100, 100)))  # around it
        self.assertEqual(box.moved(-10, 2), Rect(0, 12, 5, 5))


class Pixels(unittest.TestCase):
    def image(self):
        # A 2 x 2 image at (5, 7): red, green / blue, white, stored blue-green-red-unused.
        data = bytes([0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0])
        return Image(Rect(5, 7, 2, 2), data)

    def test_colours_are_read_at_screen_coordinates(self):
        img = self.image()
        self.assertEqual(img.at(5, 7), (255, 0, 0))
        self.assertEqual(img.at(6, 7), (0, 255, 0))
        self.assertEqual(img.at(5, 8), (0, 0, 255))
        self.assertEqual(img.share(Rect(5, 7, 2, 2), [(255, 0, 0), (0, 0, 255)]), 0.5)
        self.assertEqual(img.share(Rect(6, 8, 1, 1), [(255, 255, 255)]), 1.0)

    def test_png_holds_the_pixels_row_by_row(self):
        img = self.image()
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "x.png")
            img.save_png(path)
            with open(path, "rb") as f:
                blob = f.read()
        self.assertTrue(blob.startswith(b"\x89PNG\r\n\x1a\n"))
        width, height = struct.unpack(">II", blob[16:24])
        self.assertEqual((width, height), (2, 2))
        start = blob.index(b"IDAT") + 4
        length = struct.unpack(">I", blob[start - 8:start - 4])[0]
        raw = zlib.decompress(blob[start:start + length])
        self.assertEqual(raw, b"\0" + bytes([255, 0, 0, 0, 255, 0]) +
                         b"\0" + bytes([0, 0, 255, 255, 255, 255]))


if __name__ == "__main__":
    unittest.main()
