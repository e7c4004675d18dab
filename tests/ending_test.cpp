// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Ending a game by hand: Escape and the close button end it at once in every phase and on both
// windows, also while a message box is open, and nothing runs afterwards.
#include <gtest/gtest.h>

#include "support.h"

using testing_support::Game;

namespace {

struct Point {
  const char* where;
  std::vector<sim::Step> steps;
  bool escapeCloses;  // Escape presses OK on an open message box instead of ending the game
};

std::vector<sim::Step> upTo(std::vector<sim::Step> extra) {
  // Three players, a gibberish question offered as topic 3 of question 3.
  std::vector<sim::Step> s{"rnd 0.1 0.5", "start",     "key 3",       "wait 300",  "type Ana",
                           "key ENTER",   "wait 300",  "type Bob",    "key ENTER", "wait 300",
                           "type Cléo",   "key ENTER", "rnd 0.1 0.2", "wait 2600"};
  s.insert(s.end(), extra.begin(), extra.end());
  return s;
}

TEST(Ending, EscapeAndTheCloseButtonEndTheGameEverywhere) {
  const std::vector<Point> points{
      {"the player count", {"start"}, false},
      {"a name being typed", {"start", "key 2", "wait 300", "type Al"}, false},
      {"the missing-name box", {"start", "key 1", "wait 300", "key ENTER"}, true},
      {"the welcome card",
       {"start", "key 1", "wait 300", "type Al", "key ENTER", "wait 600"},
       false},
      {"the topic choice", upTo({}), false},
      {"a question card", upTo({"key 1", "wait 1000"}), false},
      {"a question", upTo({"key 1", "wait 5000"}), false},
      {"an answer being chosen", upTo({"key 1", "wait 5000", "key q"}), false},
      {"a verdict's box", upTo({"key 1", "wait 5000", "key q", "key 4"}), true},
      {"a reveal's box", upTo({"key 1", "wait 5000", "wait 15000"}), true},
  };
  for (const Point& p : points) {
    for (const char* how : {"key ESC", "close"}) {
      SCOPED_TRACE(std::string(p.where) + ", " + how);
      Game game;
      auto steps = p.steps;
      steps.emplace_back(how);
      steps.emplace_back("wait 60000");
      if (p.escapeCloses && std::string(how) == "key ESC") {
        // The box closes and the game goes on; Escape once the box is gone ends it.
        steps.emplace_back("key ESC");
      }
      game.play(steps);
      EXPECT_TRUE(game.ended());
      EXPECT_EQ(game.status(), 0);
      EXPECT_TRUE(game.transcript().ends_with(" end\n")) << "the game's last word is its end";
      // Nothing fires after the end.
      const auto ticks = game.driver().runtime().scheduler().ticksFired();
      game.driver().runtime().advanceTo(game.now() + 3'600'000);
      EXPECT_EQ(game.driver().runtime().scheduler().ticksFired(), ticks);
    }
  }
}

}  // namespace
