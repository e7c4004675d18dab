// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A few hundred randomized games: every one keeps the game's invariants and comes to an end.
#include <gtest/gtest.h>

#include "random_play.h"

namespace {

TEST(RandomPlay, SeededGamesOfRandomKeysKeepTheInvariantsAndEnd) {
  random_play::Summary summary;
  int failures = 0;
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    if (auto failure = random_play::playOne(seed, BRIVAZON_TEST_OUTPUT, summary)) {
      ADD_FAILURE() << "seed " << failure->seed << ": " << failure->message
                    << "\n  replay: brivazon-sim --seed " << failure->seed << " < "
                    << failure->scenario.string();
      if (++failures >= 5) break;
    }
  }
  EXPECT_EQ(summary.ended, summary.games);
}

}  // namespace
