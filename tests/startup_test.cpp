// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window at start-up: the state before the first key, the two preset topics, the
// score flash, and the ways a game can be ended before it has begun.
#include <gtest/gtest.h>

#include "support.h"

using testing_support::Game;

namespace {

// The whole state at start-up is pinned by the start scenario's transcript; this is what it
// means to a player.
TEST(StartUp, TheWindowWaitsForThePlayerCountWithOnlyTheCountQuestionInSight) {
  Game game;
  game.play({"rnd 0.1 0.5", "start"});
  auto& g = game.g();
  EXPECT_EQ(game.phase(), "PNumber");
  // Everything that can be seen lies inside the window, but for the name prompts, which wait
  // just outside it for their slide-in.
  constexpr float kRight = ui::kScreenWidth * ui::kTwipsPerPixel;
  constexpr float kBottom = ui::kScreenHeight * ui::kTwipsPerPixel;
  std::vector<std::string> seen;
  for (const ui::Element* e : g.elements()) {
    if (!e->visible()) continue;
    const bool inside = e->left() + e->width() > 0 && e->left() < kRight &&
                        e->top() + e->height() > 0 && e->top() < kBottom;
    if (inside) seen.emplace_back(e->name());
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"lbl3P", "lbl2P", "lblPNumber", "lbl1P"}));
}

TEST(StartUp, ThePresetTopicsDifferAndStayInTheRegularPool) {
  {
    // The extremes of the random range give the first and the last question.
    Game game;
    game.play({"rnd 0 0.99999994", "start"});
    EXPECT_EQ(game.g().presetQ1, 1);
    EXPECT_EQ(game.g().presetQ2, 36);
  }
  {
    // A second preset equal to the first is drawn again.
    Game game;
    game.play({"rnd 0.5 0.5 0.5 0.1", "start"});
    EXPECT_EQ(game.g().presetQ1, 19);
    EXPECT_EQ(game.g().presetQ2, 4);
  }
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    Game game(sim::Options{seed});
    game.play({"start"});
    const auto& g = game.g();
    ASSERT_NE(g.presetQ1, g.presetQ2) << "seed " << seed;
    ASSERT_GE(std::min(g.presetQ1, g.presetQ2), 1) << "seed " << seed;
    ASSERT_LE(std::max(g.presetQ1, g.presetQ2), 36) << "seed " << seed;
  }
}

TEST(StartUp, AScoreChangeFlashesAndAllThreeBoxesRestTwoSecondsLater) {
  Game game;
  game.play({"start", [](sim::Driver& d) {
               auto& g = d.frmGame();
               g.lblQ.setCaption("500");
               g.lblQ.setBackColor(game::kGreen);
               g.lblP.setBackColor(game::kRed);
             }});
  testing_support::expectColoursRestAt(
      game, 2000, {{&game.g().lblQ, game::kGreen}, {&game.g().lblP, game::kRed}});
}

TEST(StartUp, EscapeOrTheCloseButtonEndsTheGameAtOnce) {
  for (const char* how : {"key ESC", "close"}) {
    Game game;
    game.play({"start", how, "wait 100", "dump"});
    EXPECT_TRUE(game.ended()) << how;
    EXPECT_EQ(game.lines("end"), (std::vector<std::string>{"end"})) << how;
    EXPECT_TRUE(game.lines("frmGame visible").empty()) << "nothing runs after the end";
    EXPECT_EQ(game.status(), 0);
  }
}

}  // namespace
