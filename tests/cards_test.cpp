// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The title cards on the black window: the welcome line's three legs and its rest, the round
// card that comes before questions 1 and 8, the ordinary question card, the gibberish and
// final-round titles that hold the card two pauses longer, Escape on a card, and every showing
// starting afresh from the card's design-time properties.
#include <string>
#include <vector>

#include "tests/support.h"

namespace {

using testing_support::Game;
using testing_support::ordinaryTopic;
using testing_support::playOrdinaryQuestion;

content::FrmBlack& card(sim::Driver& d) {
  auto* c = content::loadedFrmBlack(d.brivazon());
  if (c == nullptr) throw std::runtime_error("no title card");
  return *c;
}

// The card still holds a millisecond before `t` and has handed the question back at `t`.
void expectHandBackAt(Game& game, std::int64_t t) {
  game.play({"wait " + std::to_string(t - 1 - game.now())});
  EXPECT_EQ(game.phase(), "Topic");
  game.play({"wait 1"});
  EXPECT_EQ(game.card(), nullptr);
  EXPECT_EQ(game.phase(), "Question");
}

// Two players, then questions 1 to 14 played right; stops at the final round's topic choice.
void playToFinalRound(Game& game) {
  game.play(testing_support::toFirstTopic({"Ana", "Bo"}, "rnd 0.1 0.5"));
  for (int q = 1; q <= 14; ++q) {
    ASSERT_EQ(game.phase(), "CTopic1") << "question " << q;
    ASSERT_EQ(game.g().lblr.caption(), std::to_string(q));
    playOrdinaryQuestion(game);
  }
}

// Two players up to question 3's topic choice, which offers the gibberish question 1001 as
// topic 3: presets 4 and 19; questions 1 and 2: left seat, draws 11 and 15; question 3: left
// seat, draw 1001.
void offerGibberishAtQuestion3(Game& game) {
  game.play(testing_support::toFirstTopic({"Ana", "Bo"}, "rnd 0.1 0.5 0.2 0.3 0.2 0.4 0.2 0.0"));
  playOrdinaryQuestion(game);
  playOrdinaryQuestion(game);
  ASSERT_EQ(game.g().lblr.caption(), "3");
  ASSERT_EQ(game.g().topicQ3, 1001);
}

// A special question's card, its topic chosen at `k`: once the slide is over (300 ms after the
// key) the title replaces the captions where the slide left them, for two more pauses of two
// seconds each, and then the card hands the question back.
void expectTitleHeld(Game& game, std::int64_t k, const char* word, const char* number) {
  for (int pause = 1; pause <= 2; ++pause) {
    game.play({"wait " + std::to_string(k + 300 + 2000 * pause - game.now())});
    SCOPED_TRACE("pause " + std::to_string(pause));
    ASSERT_NE(game.card(), nullptr);
    EXPECT_EQ(game.card()->lblQLabel.caption(), word);
    EXPECT_EQ(game.card()->lblQNumber.caption(), number);
    EXPECT_EQ(game.card()->lblQLabel.top(), 2400);
    EXPECT_EQ(game.card()->lblQNumber.left(), 4050);
    EXPECT_EQ(game.card()->slideStep, pause);
    EXPECT_FALSE(game.card()->tmrSlide.enabled());
    EXPECT_EQ(game.phase(), "Topic");
  }
  expectHandBackAt(game, k + 6300);
}

TEST(WelcomeCard, TheLineTravelsUpDownAndBackThenHandsBackAboutTwoAndAHalfSecondsLater) {
  Game game;
  // The last Enter comes at 300 and shows the card at once.
  game.play({"start", "key 1", "wait 300", "type Ana", "key ENTER", [](sim::Driver& d) {
               auto& c = card(d);
               EXPECT_TRUE(c.visible());
               EXPECT_FALSE(d.frmGame().visible());
               EXPECT_TRUE(c.lblWelcome.visible());
               EXPECT_EQ(c.lblWelcome.caption(), "Bienvenu à Brivazon!");
               EXPECT_EQ(c.lblWelcome.top(), 2520);
               EXPECT_FALSE(c.lblQLabel.visible());
               EXPECT_FALSE(c.lblQNumber.visible());
               EXPECT_EQ(c.slideStep, 0);
             }});
  struct Point {
    int at;  // ms after the card was shown
    float top;
    int leg;
    bool pause;
  };
  const Point points[] = {
      {10, 2320, 0, false},  {110, 320, 0, false},  {120, 420, 1, false},
      {310, 6120, 1, false}, {320, 6220, 2, false}, {500, 2620, 2, false},
      {510, 2420, 3, true},  {1500, 2420, 3, true}, {2500, 2420, 3, true},
  };
  int done = 0;
  for (const Point& p : points) {
    game.play({"wait " + std::to_string(p.at - done)});
    done = p.at;
    SCOPED_TRACE("at +" + std::to_string(p.at));
    ASSERT_NE(game.card(), nullptr);
    EXPECT_EQ(game.card()->lblWelcome.top(), p.top);
    EXPECT_EQ(game.card()->slideStep, p.leg);
    EXPECT_EQ(game.card()->tmrPause.enabled(), p.pause);
    EXPECT_EQ(game.phase(), "Intro");
  }
  // The slide timer keeps running while the line rests.
  EXPECT_TRUE(game.card()->tmrSlide.enabled());
  game.play({"wait 9"});
  EXPECT_EQ(game.phase(), "Intro");
  EXPECT_NE(game.card(), nullptr);
  game.play({"wait 1"});  // 2510 ms after the card was shown
  EXPECT_EQ(game.now(), 2810);
  EXPECT_EQ(game.card(), nullptr);
  EXPECT_TRUE(game.g().visible());
  EXPECT_EQ(game.phase(), "CTopic");
  const auto all = game.lines("");
  ASSERT_GE(all.size(), 4u);
  EXPECT_EQ(all[all.size() - 4], "phase \"CTopic\"");
  EXPECT_EQ(all[all.size() - 3], "show frmGame");
  EXPECT_EQ(all[all.size() - 2], "unload frmBlack");
  game.play({"wait 1"});
  EXPECT_EQ(game.phase(), "CTopic1");
}

TEST(QuestionCards, QuestionOneShowsTheRoundCardThenTheQuestionCard) {
  Game game;
  game.play(testing_support::toFirstTopic({"Ana", "Bo"}));
  ASSERT_EQ(game.phase(), "CTopic1");
  const std::int64_t k = game.now();
  game.play({"key 1", [](sim::Driver& d) {
               auto& c = card(d);
               EXPECT_FALSE(d.frmGame().visible());
               EXPECT_EQ(c.lblQLabel.caption(), "Rond");
               EXPECT_EQ(c.lblQNumber.caption(), "1");
               EXPECT_TRUE(c.lblQLabel.visible());
               EXPECT_TRUE(c.lblQNumber.visible());
               EXPECT_FALSE(c.lblWelcome.visible());
               EXPECT_EQ(c.lblQLabel.top(), -600);
               EXPECT_EQ(c.lblQNumber.left(), 9750);
             }});
  EXPECT_EQ(game.phase(), "Topic");
  struct Point {
    int at;
    const char* word;
    const char* number;
    float top, left;
    bool slide, pause;
  };
  const Point points[] = {
      {90, "Rond", "1", 2100, 9750, true, false},
      {100, "Rond", "1", 2400, 9750, true, false},
      {110, "Rond", "1", 2400, 9450, true, false},
      {290, "Rond", "1", 2400, 4050, true, false},
      {300, "Rond", "1", 2400, 4050, false, true},
      {2290, "Rond", "1", 2400, 4050, false, true},
      // The round card gives way to the question card, whose number starts at 9650.
      {2300, "Question", "1", -600, 9650, true, false},
      {2400, "Question", "1", 2400, 9650, true, false},
      {2570, "Question", "1", 2400, 4550, true, false},
      {2580, "Question", "1", 2400, 4250, true, false},
      {2590, "Question", "1", 2400, 4250, false, true},
      {4589, "Question", "1", 2400, 4250, false, true},
  };
  for (const Point& p : points) {
    game.play({"wait " + std::to_string(k + p.at - game.now())});
    SCOPED_TRACE("at +" + std::to_string(p.at));
    ASSERT_NE(game.card(), nullptr);
    EXPECT_EQ(game.card()->lblQLabel.caption(), p.word);
    EXPECT_EQ(game.card()->lblQNumber.caption(), p.number);
    EXPECT_EQ(game.card()->lblQLabel.top(), p.top);
    EXPECT_EQ(game.card()->lblQNumber.left(), p.left);
    EXPECT_EQ(game.card()->tmrSlide.enabled(), p.slide);
    EXPECT_EQ(game.card()->tmrPause.enabled(), p.pause);
    EXPECT_EQ(game.phase(), "Topic");
    EXPECT_FALSE(game.g().tmrTimer.enabled());
  }
  game.play({"wait 1"});
  EXPECT_EQ(game.now(), k + 4590);
  EXPECT_EQ(game.card(), nullptr);
  EXPECT_EQ(game.phase(), "Question");
  EXPECT_TRUE(game.g().visible());
  EXPECT_TRUE(game.g().tmrTimer.enabled());
  EXPECT_EQ(game.g().lblTimer.caption(), "15");
}

TEST(QuestionCards, AnOrdinaryCardHandsBackAfterThirtySlideTicksAndOnePause) {
  Game game;
  game.play(testing_support::toFirstTopic({"Ana", "Bo"}));
  playOrdinaryQuestion(game);
  ASSERT_EQ(game.g().lblr.caption(), "2");
  const std::int64_t k = game.now();
  game.play({"key 3",
             [](sim::Driver& d) {
               // A fresh card: the design-time word and its width, nothing of question 1's
               // round card.
               auto& c = card(d);
               EXPECT_EQ(c.lblQLabel.caption(), "Question");
               EXPECT_EQ(c.lblQLabel.width(), 2325);
               EXPECT_EQ(c.lblQLabel.top(), -600);
               EXPECT_EQ(c.lblQNumber.caption(), "2");
               EXPECT_EQ(c.lblQNumber.left(), 9750);
               EXPECT_EQ(c.slideStep, 0);
               EXPECT_FALSE(c.lblWelcome.visible());
               EXPECT_TRUE(c.tmrSlide.enabled());
               EXPECT_FALSE(c.tmrPause.enabled());
             },
             "wait 290"});
  EXPECT_EQ(game.card()->lblQLabel.top(), 2400);
  EXPECT_EQ(game.card()->lblQNumber.left(), 4050);
  EXPECT_TRUE(game.card()->tmrSlide.enabled());
  game.play({"wait 10"});
  EXPECT_FALSE(game.card()->tmrSlide.enabled());
  EXPECT_TRUE(game.card()->tmrPause.enabled());
  game.play({"wait 1999"});
  EXPECT_EQ(game.card()->lblQLabel.caption(), "Question");
  EXPECT_EQ(game.phase(), "Topic");
  game.play({"wait 1"});
  EXPECT_EQ(game.now(), k + 2300);
  EXPECT_EQ(game.card(), nullptr);
  EXPECT_EQ(game.phase(), "Question");
  EXPECT_TRUE(game.g().tmrTimer.enabled());
  // One card only: no round card before question 2.
  EXPECT_EQ(game.lines("show frmBlack").size(), 3u);
}

TEST(QuestionCards, AGibberishCardHoldsItsTitleForTwoMorePauses) {
  Game game;
  ASSERT_NO_FATAL_FAILURE(offerGibberishAtQuestion3(game));
  ASSERT_EQ(game.g().lblTopic3.caption(), "Ce ne peut pas être correct !");
  const std::int64_t k = game.now();
  game.play({"key 3", "wait 300"});
  ASSERT_NE(game.card(), nullptr);
  EXPECT_EQ(game.card()->lblQLabel.caption(), "Question");
  EXPECT_EQ(game.card()->lblQNumber.caption(), "3");
  EXPECT_EQ(game.g().lblG.caption(), "1");
  expectTitleHeld(game, k, "Question De", "Baragouin");
  EXPECT_TRUE(game.g().tmrTimer.enabled());
}

TEST(QuestionCards, TheFinalCardHoldsItsTitleForTwoMorePausesAndStartsNoCountdown) {
  Game game;
  playToFinalRound(game);
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_EQ(game.g().lblr.caption(), "15");
  ASSERT_EQ(game.phase(), "CTopic1");
  // The round display is gone; the window keeps the round-2 colour until the round begins.
  EXPECT_FALSE(game.g().lblRound.visible());
  EXPECT_FALSE(game.g().lblQNumber.visible());
  EXPECT_EQ(game.g().backColor(), (ui::Color{128, 128, 255}));
  const std::int64_t k = game.now();
  game.play({"key 1", "wait 300"});
  ASSERT_NE(game.card(), nullptr);
  EXPECT_EQ(game.card()->lblQLabel.caption(), "Question");
  EXPECT_EQ(game.card()->lblQNumber.caption(), "15");
  EXPECT_EQ(game.card()->lblQNumber.left(), 4050);
  expectTitleHeld(game, k, "Attaque de", "Brivazon");
  EXPECT_TRUE(game.g().visible());
  EXPECT_FALSE(game.g().tmrTimer.enabled());
  EXPECT_TRUE(game.g().tmrPost.enabled());
  EXPECT_EQ(game.lines("msgbox").size(), 14u);
  // Only questions 1 and 8 had a round card.
  EXPECT_EQ(game.lines("show frmBlack").size(), 16u);
  game.play({"wait 10"});
  EXPECT_EQ(game.g().backColor(), (ui::Color{0, 0, 0}));
  EXPECT_FALSE(game.g().lblRound.visible());
}

TEST(QuestionCards, QuestionEightShowsTheRoundTwoCard) {
  Game game;
  game.play(testing_support::toFirstTopic({"Ana", "Bo"}));
  for (int q = 1; q <= 7; ++q)
    playOrdinaryQuestion(game);
  ASSERT_EQ(game.g().lblr.caption(), "8");
  const std::int64_t k = game.now();
  game.play({"key " + ordinaryTopic(game.g()), "wait 300"});
  EXPECT_EQ(game.card()->lblQLabel.caption(), "Rond");
  EXPECT_EQ(game.card()->lblQNumber.caption(), "2");
  game.play({"wait 2000"});
  EXPECT_EQ(game.card()->lblQLabel.caption(), "Question");
  EXPECT_EQ(game.card()->lblQNumber.caption(), "8");
  game.play({"wait " + std::to_string(k + 4590 - game.now())});
  EXPECT_EQ(game.phase(), "Question");
  EXPECT_EQ(game.card(), nullptr);
}

TEST(QuestionCards, AGibberishQuestionChosenAtQuestionEightReplacesTheRoundCard) {
  Game game;
  ASSERT_NO_FATAL_FAILURE(offerGibberishAtQuestion3(game));
  // Topic 2 is played; the gibberish topic moves up to the second place and stays on offer.
  game.play({"key 2"});
  testing_support::toQuestion(game);
  game.play(testing_support::answerRight(game.g()));
  for (int q = 4; q <= 7; ++q)
    playOrdinaryQuestion(game);
  ASSERT_EQ(game.g().lblr.caption(), "8");
  ASSERT_EQ(game.g().topicQ2, 1001);
  const std::int64_t k = game.now();
  game.play({"key 2", "wait 300"});
  EXPECT_EQ(game.card()->lblQLabel.caption(), "Rond");
  EXPECT_EQ(game.card()->lblQNumber.caption(), "2");
  expectTitleHeld(game, k, "Question De", "Baragouin");
  EXPECT_EQ(game.g().questionId, 1001);
}

TEST(Cards, EscapeOnACardEndsTheGameAndOtherKeysDoNothing) {
  Game welcome;
  welcome.play({"start", "key 1", "wait 300", "type Ana", "key ENTER", "wait 100", "key 1", "key b",
                "key ENTER", "wait 100"});
  EXPECT_EQ(welcome.phase(), "Intro");
  EXPECT_NE(welcome.card(), nullptr);
  EXPECT_FALSE(welcome.ended());
  welcome.play({"key ESC", "wait 5000"});
  EXPECT_TRUE(welcome.ended());
  EXPECT_EQ(welcome.lines("").back(), "end");
  EXPECT_EQ(welcome.phase(), "Intro");

  Game question;
  question.play(testing_support::toFirstTopic({"Ana", "Bo"}));
  const int seat = question.g().curPlayer;
  question.play({"key 1", "wait 2400", "key 2", "key q", "key p", "wait 10"});
  EXPECT_EQ(question.phase(), "Topic");
  EXPECT_EQ(question.card()->lblQLabel.caption(), "Question");
  EXPECT_EQ(question.g().curPlayer, seat);
  EXPECT_EQ(question.g().lblAPlayer.caption().rfind("Answer", 0), std::string::npos);
  question.play({"key ESC", "wait 5000"});
  EXPECT_TRUE(question.ended());
  EXPECT_EQ(question.lines("").back(), "end");
  EXPECT_EQ(question.phase(), "Topic");
}

}  // namespace
