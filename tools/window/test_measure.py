# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Tests of the figures' arithmetic: frames, animations, percentiles and goals."""

import unittest

from . import measure as M


class FramesAndAnimations(unittest.TestCase):
    def test_drawings_of_one_flush_make_one_frame_and_a_pause_splits_animations(self):
        ms = 0.001
        times = [0, 0.2 * ms, 0.5 * ms,            # one flush: three rectangles
                 10 * ms, 10.1 * ms, 20 * ms,       # two more frames
                 200 * ms, 210 * ms]                # another animation after a pause
        starts = M.frames(times)
        self.assertEqual(starts, [0, 10 * ms, 20 * ms, 200 * ms, 210 * ms])
        self.assertEqual(M.trains(starts), [[0, 10 * ms, 20 * ms], [200 * ms, 210 * ms]])

    def test_a_train_is_timed_from_its_ends_and_a_missing_frame_shows(self):
        ticks = [i * 0.010 for i in range(11)]
        self.assertAlmostEqual(M.describe_train(ticks).mean_ms, 10.0)
        jittered = [t + (0.002 if i % 2 else 0) for i, t in enumerate(ticks)]
        train = M.describe_train(jittered)
        self.assertAlmostEqual(train.mean_ms, 10.0)  # late frames in between do not count
        self.assertAlmostEqual(abs(train.worst_ms - 10.0), 2.0)
        # A tick that painted nothing in the middle must not pass for a 10 ms rate.
        self.assertGreater(M.describe_train(ticks[:5] + ticks[6:]).mean_ms, 10.5)
        self.assertIsNone(M.describe_train(ticks[:2]))

    def test_the_pooled_mean_counts_each_interval_once(self):
        long = M.Train(frames=51, mean_ms=10.0, worst_ms=10.0)
        short = M.Train(frames=3, mean_ms=12.0, worst_ms=12.0)
        self.assertAlmostEqual(M.pooled_mean([long, short]), (500 + 24) / 52)
        self.assertIsNone(M.pooled_mean([]))


class ClockStart(unittest.TestCase):
    def test_the_start_is_found_through_jitter_a_late_paint_and_a_missing_tick(self):
        start = 100.0
        ticks = [start + k + 0.0005 * (k % 3) for k in range(1, 15) if k != 6]
        ticks[3] += 0.040  # one paint held up 40 ms
        # The question's first frame came 5 ms after the countdown began.
        self.assertAlmostEqual(M.clock_start(ticks, near=start + 0.005), start + 0.0005, places=4)
        self.assertIsNone(M.clock_start([], near=start))


class Percentiles(unittest.TestCase):
    def test_nearest_rank(self):
        values = list(range(1, 101))  # 1..100
        self.assertEqual(M.percentile(values, 99), 99)
        self.assertEqual(M.percentile(values, 100), 100)
        self.assertEqual(M.percentile(reversed(values), 50), 50)
        # With fewer than a hundred samples the 99th percentile is the worst one.
        self.assertEqual(M.percentile([3, 1, 7, 2], 99), 7)
        self.assertIsNone(M.percentile([], 99))

    def test_median(self):
        self.assertEqual(M.median([5, 1, 3]), 3)
        self.assertEqual(M.median([4, 1, 3, 2]), 2.5)


class Goals(unittest.TestCase):
    def test_a_ceiling_with_noise(self):
        goal = M.Goal(high=150, noise=15)
        self.assertEqual(goal.verdict(150), "met")
        self.assertEqual(goal.verdict(160), "within noise")
        self.assertEqual(goal.verdict(166), "missed")
        self.assertEqual(goal.verdict(None), "missed")

    def test_a_band_misses_on_either_side(self):
        goal = M.Goal(low=9.8, high=10.2, noise=0.05)
        self.assertEqual(goal.verdict(10.0), "met")
        self.assertEqual(goal.verdict(9.76), "within noise")
        self.assertEqual(goal.verdict(9.7), "missed")
        self.assertEqual(goal.verdict(10.3), "missed")
        self.assertEqual(goal.text(), "10 ± 0.2")
        self.assertEqual(M.Goal(high=5).text(), "≤ 5")


if __name__ == "__main__":
    unittest.main()
