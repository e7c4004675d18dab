# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Tests of the runner's reader on a scenario of tests/data and the transcript it pins."""

import pathlib
import unittest

from . import sim

DATA = pathlib.Path(__file__).resolve().parents[2] / "tests" / "data"
SCENARIO = (DATA / "first_question.scn").read_text(encoding="utf-8")
TRANSCRIPT = (DATA / "first_question.expected").read_text(encoding="utf-8")


class Reader(unittest.TestCase):
    def test_a_scenario_is_its_first_draws_then_its_commands(self):
        draws, commands = sim.scenario(SCENARIO)
        self.assertEqual(draws, [0.04, 0.12])
        self.assertEqual(commands[:3], [("start", ""), ("key", "2"), ("wait", "300")])

    def test_events_and_dumps_are_read_with_their_times_and_texts_unquoted(self):
        events = sim.events(TRANSCRIPT)
        self.assertEqual(events[0], (0, "phase PNumber"))
        self.assertIn((300, "msgbox Pas de nom!|Pas de nom?  Nous allons tu appeller un Oiseau."),
                      events)
        self.assertEqual(sim.dump_times(TRANSCRIPT), [3200, 7800, 7810])
        banner = sim.dumped_elements(TRANSCRIPT)["lblAPlayer"]  # as the last dump left it
        self.assertEqual((banner["text"], banner["visible"], banner["back"]),
                         ("Oiseau, choisis un sujet", "1", "0,128,0"))
        self.assertEqual(sim.unquote(r'say \"hi\" \\ bye'), 'say "hi" \\ bye')


if __name__ == "__main__":
    unittest.main()
