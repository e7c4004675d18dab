// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The loop of a question: the schedule of draws over whole games, the three topics on offer and
// how a choice moves them up, the prompt naming the player who chooses, the buzz and answer keys
// with their verdicts, the countdown's two time-outs, the round display at question 8, and keys
// pressed while a message box is open (tests/data/verdict_boxes_enter_space.scn closes them with
// Enter and Space).
#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tests/support.h"

namespace {

using testing_support::Game;
using testing_support::toFirstTopic;
using namespace testing_support;

// Topic titles of the regular questions used below.
const char* const kTitle3 = "Tête pour penser";
const char* const kTitle4 = "Les moutons et les princes";
const char* const kTitle9 = "Ma petit planète";
const char* const kTitle19 = "Reposer de la vie";

TEST(Schedule, NoRegularQuestionIsOfferedTwiceAndTheSpecialOnesDiffer) {
  std::set<std::string> prompts;
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Game game(sim::Options{seed});
    game.play(toFirstTopic({"Ana", "Bo"}, "# no queued values"));
    std::set<int> offered;
    for (int q = 1; q <= 14; ++q) {
      ASSERT_EQ(game.phase(), "CTopic1") << "question " << q;
      ASSERT_EQ(game.g().lblr.caption(), std::to_string(q));
      // The prompt names the left or the right seat, never the empty middle one.
      const std::string prompt = game.g().lblAPlayer.caption();
      EXPECT_TRUE(prompt == "Ana, choisis un sujet" || prompt == "Bo, choisis un sujet") << prompt;
      prompts.insert(prompt);
      EXPECT_TRUE(game.g().lblAPlayer.visible());
      const int id = game.g().topicQ3;
      if (q == 3 || q == 10) {
        EXPECT_GE(id, 1001);
        EXPECT_LE(id, 1006);
      } else {
        EXPECT_GE(id, 1);
        EXPECT_LE(id, 36);
        EXPECT_TRUE(offered.insert(id).second) << "id " << id << " offered again";
      }
      playOrdinaryQuestion(game, [q](sim::Driver& d) {
        // Right after the verdict writes "CTopic": the next question is drawn.
        auto& g = d.frmGame();
        EXPECT_EQ(g.lblr.caption(), std::to_string(q + 1));
        if (q + 1 < 15) {
          EXPECT_EQ(g.lblG.caption(), "0");
          const std::int16_t draws[] = {0,         g.drawQ1,  g.drawQ2,  g.drawQ3,  g.drawQ4,
                                        g.drawQ5,  g.drawQ6,  g.drawQ7,  g.drawQ8,  g.drawQ9,
                                        g.drawQ10, g.drawQ11, g.drawQ12, g.drawQ13, g.drawQ14};
          EXPECT_EQ(g.questionId, draws[q + 1]);
        } else {
          EXPECT_EQ(g.lblG.caption(), "2");
          EXPECT_EQ(g.questionId, 0);
          std::vector<std::string> order{g.finalOrder1.value(), g.finalOrder2.value(),
                                         g.finalOrder3.value()};
          std::sort(order.begin(), order.end());
          EXPECT_EQ(order, (std::vector<std::string>{"1", "2", "3"}));
        }
      });
    }
    auto& g = game.g();
    std::vector<int> regular{g.presetQ1, g.presetQ2, g.drawQ1,  g.drawQ2, g.drawQ4,
                             g.drawQ5,   g.drawQ6,   g.drawQ7,  g.drawQ8, g.drawQ9,
                             g.drawQ11,  g.drawQ12,  g.drawQ13, g.drawQ14};
    for (int id : regular) {
      EXPECT_GE(id, 1);
      EXPECT_LE(id, 36);
    }
    EXPECT_EQ(std::set<int>(regular.begin(), regular.end()).size(), 14u);
    EXPECT_GE(g.drawQ3, 1001);
    EXPECT_LE(g.drawQ3, 1006);
    EXPECT_GE(g.drawQ10, 1001);
    EXPECT_LE(g.drawQ10, 1006);
    EXPECT_NE(g.drawQ3, g.drawQ10);
    // The final round offers the three categories.
    EXPECT_EQ(game.phase(), "CTopic1");
    EXPECT_EQ(g.lblr.caption(), "15");
    std::vector<int> categories{g.topicQ1, g.topicQ2, g.topicQ3};
    std::sort(categories.begin(), categories.end());
    EXPECT_EQ(categories, (std::vector<int>{1, 2, 3}));
  }
  // Both seats get to choose over so many questions.
  EXPECT_EQ(prompts.size(), 2u);
}

TEST(Schedule, ADrawIsRedoneUntilItIsNewAndNeverExceedsThePool) {
  Game game;
  // Presets 4 and 19. Question 1: seat, then 4 and 19 again (both refused), then the largest
  // value below 1, which gives 36. Question 2: seat, then 36 again (refused), then 9.
  // Question 3: seat, then the largest value below 1 for the special pool, 1006.
  game.play(toFirstTopic({"Ana", "Bo"},
                         "rnd 0.1 0.5 0.3 0.1 0.5 0.9999999 0.3 0.99 0.23 0.3 "
                         "0.9999999999"));
  EXPECT_EQ(game.g().drawQ1, 36);
  EXPECT_EQ(game.g().topicQ3, 36);
  playOrdinaryQuestion(game);
  EXPECT_EQ(game.g().drawQ2, 9);
  EXPECT_EQ(game.g().lblTopic3.caption(), kTitle9);
  playOrdinaryQuestion(game);
  EXPECT_EQ(game.g().drawQ3, 1006);
  EXPECT_EQ(game.g().topicQ3, 1006);
  EXPECT_EQ(game.g().lblTopic3.caption(), "La liste est la vie.");
}

TEST(Topics, TheFirstThreeTopicsAreThePresetsAndTheFirstDraw) {
  Game game;
  // Presets 4 and 19; question 1: right seat, draw 9.
  std::vector<sim::Step> steps = toFirstTopic({"Ana", "Bo"}, "rnd 0.1 0.5 0.9 0.23");
  // The first topic is up while the names are typed, the second while the welcome card runs.
  steps.insert(steps.begin() + 4, [](sim::Driver& d) {
    EXPECT_EQ(d.frmGame().lblTopic1.caption(), kTitle4);
    EXPECT_EQ(d.frmGame().topicQ1, 4);
    EXPECT_EQ(d.frmGame().lblTopic2.caption(), "");
  });
  steps.insert(steps.end() - 1, [](sim::Driver& d) {
    EXPECT_EQ(d.frmGame().lblCheckpoint.caption(), "Intro");
    EXPECT_EQ(d.frmGame().lblTopic2.caption(), kTitle19);
    EXPECT_EQ(d.frmGame().topicQ2, 19);
    EXPECT_EQ(d.frmGame().lblTopic3.caption(), "");
  });
  game.play(steps);
  auto& g = game.g();
  ASSERT_EQ(game.phase(), "CTopic1");
  EXPECT_EQ(g.lblr.caption(), "1");
  EXPECT_EQ(g.drawQ1, 9);
  EXPECT_EQ(g.questionId, 9);
  EXPECT_EQ(g.lblTopic1.caption(), kTitle4);
  EXPECT_EQ(g.lblTopic2.caption(), kTitle19);
  EXPECT_EQ(g.lblTopic3.caption(), kTitle9);
  EXPECT_EQ((std::vector<int>{g.topicQ1, g.topicQ2, g.topicQ3}), (std::vector<int>{4, 19, 9}));
  // The topic screen: prompt, three topics and their numbers, nothing of a question.
  EXPECT_EQ(g.lblAPlayer.caption(), "Bo, choisis un sujet");
  for (auto* shown :
       {&g.lblAPlayer, &g.lblTopic1, &g.lblTopic2, &g.lblTopic3, &g.lbl1, &g.lbl2, &g.lbl3})
    EXPECT_TRUE(shown->visible()) << shown->name();
  for (auto* hidden : {&g.lbl4, &g.lblQuestion, &g.lblChoice1, &g.lblChoice2, &g.lblChoice3,
                       &g.lblChoice4, &g.lblFor, &g.lblValue, &g.lblTimer})
    EXPECT_FALSE(hidden->visible()) << hidden->name();
}

TEST(Topics, AChosenTopicLeavesAndTheOnesBelowMoveUp) {
  struct Case {
    const char* key;
    int played;
    std::vector<int> ids;
    std::vector<std::string> titles;
  };
  const Case cases[] = {
      {"key 1", 4, {19, 9, 9}, {kTitle19, kTitle9, kTitle9}},
      {"key 2", 19, {4, 9, 9}, {kTitle4, kTitle9, kTitle9}},
      {"key 3", 9, {4, 19, 9}, {kTitle4, kTitle19, kTitle9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    Game game;
    // Presets 4 and 19; question 1: left seat, draw 9; question 2: left seat, draw 3.
    game.play(toFirstTopic({"Ana", "Bo"}, "rnd 0.1 0.5 0.2 0.23 0.2 0.07"));
    game.play({c.key});
    auto& g = game.g();
    EXPECT_EQ(game.phase(), "Topic");
    EXPECT_FALSE(g.lblAPlayer.visible());
    EXPECT_EQ(g.questionId, c.played);
    EXPECT_EQ((std::vector<int>{g.topicQ1, g.topicQ2, g.topicQ3}), c.ids);
    EXPECT_EQ((std::vector<std::string>{g.lblTopic1.caption(), g.lblTopic2.caption(),
                                        g.lblTopic3.caption()}),
              c.titles);
    // The next question puts its draw in the last place.
    toQuestion(game);
    game.play(answerRight(g));
    ASSERT_EQ(game.phase(), "CTopic1");
    EXPECT_EQ((std::vector<int>{g.topicQ1, g.topicQ2, g.topicQ3}),
              (std::vector<int>{c.ids[0], c.ids[1], 3}));
    EXPECT_EQ(g.lblTopic3.caption(), kTitle3);
  }
}

TEST(Prompt, TheChoosingPlayerIsNamedThroughTheSeats) {
  struct Case {
    std::vector<std::string> names;
    const char* seatValue;
    std::string prompt;
  };
  const Case cases[] = {
      {{"Ana"}, "0.7", "Choisissez un sujet"},
      {{"Ana", "Bo"}, "0.2", "Ana, choisis un sujet"},
      {{"Ana", "Bo"}, "0.7", "Bo, choisis un sujet"},
      {{"Ana", "Bo", "Cy"}, "0.1", "Ana, choisis un sujet"},
      {{"Ana", "Bo", "Cy"}, "0.5", "Bo, choisis un sujet"},
      {{"Ana", "Bo", "Cy"}, "0.9", "Cy, choisis un sujet"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.names.size()) + " players, r " + c.seatValue);
    Game game;
    // The seat is drawn even for one player, then question 1's draw: 9.
    game.play(toFirstTopic(c.names, std::string("rnd 0.1 0.5 ") + c.seatValue + " 0.23"));
    EXPECT_EQ(game.g().lblAPlayer.caption(), c.prompt);
    EXPECT_TRUE(game.g().lblAPlayer.visible());
    EXPECT_EQ(game.g().drawQ1, 9);
  }
}

TEST(Buzz, OnlyTheSeatsInPlayBuzzAndOnlyWithLowerCaseKeys) {
  struct Case {
    std::vector<std::string> names;
    std::vector<const char*> ignored;
    const char* key;
    int seat;
    const char* banner;
  };
  const Case cases[] = {
      {{"Ana"}, {"q", "p", "B", "Q"}, "b", 2, "Answer Ana"},
      {{"Ana", "Bo"}, {"b", "Q", "P", "B", "x"}, "p", 3, "Answer Bo"},
      {{"Ana", "Bo"}, {"b", "Q"}, "q", 1, "Answer Ana"},
      {{"Ana", "Bo", "Cy"}, {"Q", "B", "P"}, "b", 2, "Answer Bo"},
      {{"Ana", "Bo", "Cy"}, {}, "q", 1, "Answer Ana"},
      {{"Ana", "Bo", "Cy"}, {}, "p", 3, "Answer Cy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.names.size()) + " players, key " + c.key);
    Game game;
    toFirstQuestion(game, c.names);
    auto& g = game.g();
    const int seatBefore = g.curPlayer;
    game.play({"wait 1500"});
    for (const char* k : c.ignored)
      game.play({std::string("key ") + k});
    EXPECT_EQ(game.phase(), "Question");
    EXPECT_EQ(g.curPlayer, seatBefore);
    EXPECT_FALSE(g.lblAPlayer.visible());
    EXPECT_EQ(g.lblTimer.caption(), "14");
    game.play({std::string("key ") + c.key});
    EXPECT_EQ(game.phase(), "Answer");
    EXPECT_EQ(g.curPlayer, c.seat);
    EXPECT_EQ(g.lblAPlayer.caption(), c.banner);
    EXPECT_TRUE(g.lblAPlayer.visible());
    EXPECT_EQ(g.lblTimer.caption(), "6");
    EXPECT_TRUE(g.tmrTimer.enabled());
    // While the answer is awaited, buzz keys and other digits change nothing.
    game.play({"key q", "key b", "key p", "key 5", "key 0", "key x"});
    EXPECT_EQ(game.phase(), "Answer");
    EXPECT_EQ(g.curPlayer, c.seat);
    EXPECT_EQ(g.lblAPlayer.caption(), c.banner);
    EXPECT_EQ(g.lblTimer.caption(), "6");
    EXPECT_TRUE(game.messages().empty());
  }
}

TEST(Answer, ARightAnswerAddsTheValueToTheBuzzingSeat) {
  Game game;
  // Presets 4 and 19: topic 1 is question 4, right answer 4, worth 3000 in round 1.
  toFirstQuestion(game, {"Ana", "Bo", "Cy"});
  auto& g = game.g();
  ASSERT_EQ(g.questionId, 4);
  EXPECT_EQ(g.lblValue.caption(), "3000");
  EXPECT_EQ(g.lblQuestion.caption(),
            "Quel est le première chose que le Petit Prince disait à le pilote ?");
  EXPECT_EQ(g.lblChoice4.caption(), "S 'il vous plaît.");
  for (auto* shown :
       {&g.lblQuestion, &g.lbl1, &g.lbl2, &g.lbl3, &g.lbl4, &g.lblChoice1, &g.lblChoice2,
        &g.lblChoice3, &g.lblChoice4, &g.lblFor, &g.lblValue, &g.lblTimer})
    EXPECT_TRUE(shown->visible()) << shown->name();
  for (auto* hidden : {&g.lblTopic1, &g.lblTopic2, &g.lblTopic3, &g.lblAPlayer})
    EXPECT_FALSE(hidden->visible()) << hidden->name();
  game.play({"wait 2200", "key p", "key 4",
             [](sim::Driver& d) {
               auto& g = d.frmGame();
               EXPECT_EQ(g.lblP.caption(), "3000");
               EXPECT_EQ(g.lblP.backColor(), kGreen);
               EXPECT_EQ(g.lblChoice4.backColor(), kGreen);
               EXPECT_EQ(g.lblChoice1.backColor(), kYellow);
               EXPECT_FALSE(g.tmrTimer.enabled());
               EXPECT_EQ(g.lblCheckpoint.caption(), "Answer");
             },
             "ok"});
  const std::int64_t verdict = game.now();
  EXPECT_EQ(game.messages(), (std::vector<std::string>{"Brivazon!|Tu es correct!"}));
  EXPECT_EQ(game.phase(), "CTopic");
  EXPECT_EQ(g.lblQ.caption(), "0");
  EXPECT_EQ(g.lblB.caption(), "0");
  EXPECT_TRUE(g.tmrMonColor.enabled());
  game.play({"wait 1"});
  EXPECT_EQ(game.phase(), "CTopic1");
  EXPECT_EQ(g.lblr.caption(), "2");
  // The colour returns two seconds after the verdict.
  expectColoursRestAt(game, verdict + 2000, {{&g.lblP, kGreen}});
  EXPECT_EQ(g.lblP.caption(), "3000");
}

TEST(Answer, TheAmountIsWhatTheValueShowsAtTheKeyAndScoresAreTakenWhole) {
  struct Case {
    const char* key;
    const char* score;
    const char* value;
    const char* after;
  };
  // Question 4: the right answer is 4.
  const Case cases[] = {
      {"key 4", "100.75", "1234", "1334"},
      {"key 1", "100.75", "1234", "-1134"},
      {"key 4", "-0.5", "500", "499"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " " + c.score + " " + c.value);
    Game game;
    toFirstQuestion(game, {"Ana", "Bo"});
    game.play({"key q",
               [c](sim::Driver& d) {
                 d.frmGame().lblQ.setCaption(c.score);
                 d.frmGame().lblValue.setCaption(c.value);
               },
               c.key, "ok", "ok", "wait 5"});
    EXPECT_EQ(game.g().lblQ.caption(), c.after);
  }
}

TEST(Answer, TheWrongAnswerMessageQuotesTheChoiceAsLoadedNotAsShown) {
  Game game;
  toFirstQuestion(game, {"Ana", "Bo"}, "rnd 0.07 0.5");
  game.play({"key q", [](sim::Driver& d) { d.frmGame().lblChoice3.setCaption("autre chose"); },
             "key 1", "ok", "ok", "wait 5"});
  ASSERT_EQ(game.messages().size(), 2u);
  EXPECT_EQ(game.messages()[1], "Brivazon!|Le réponse correct était numéro trois, un éléphant");
}

TEST(Answer, AWrongAnswerTakesTheValueAndShowsTheRightChoice) {
  Game game;
  // Presets 3 and 19: topic 1 is question 3, right answer 3, worth 2000 in round 1.
  toFirstQuestion(game, {"Ana", "Bo"}, "rnd 0.07 0.5");
  auto& g = game.g();
  ASSERT_EQ(g.questionId, 3);
  ASSERT_EQ(g.lblValue.caption(), "2000");
  game.play({"key q", "key 2",
             [](sim::Driver& d) {
               auto& g = d.frmGame();
               EXPECT_EQ(g.lblQ.caption(), "-2000");
               EXPECT_EQ(g.lblQ.backColor(), kRed);
               EXPECT_EQ(g.lblChoice2.backColor(), kRed);
               EXPECT_EQ(g.lblChoice3.backColor(), kYellow);
               EXPECT_FALSE(g.tmrTimer.enabled());
             },
             "ok",
             [](sim::Driver& d) {
               EXPECT_EQ(d.frmGame().lblChoice3.backColor(), kGreen);
               EXPECT_EQ(d.frmGame().lblCheckpoint.caption(), "Answer");
             },
             "ok"});
  EXPECT_EQ(game.messages(), (std::vector<std::string>{
                                 "Brivazon!|C'est incorrect.",
                                 "Brivazon!|Le réponse correct était numéro trois, un éléphant"}));
  const auto tail = game.lines("");
  ASSERT_GE(tail.size(), 5u);
  EXPECT_EQ(tail[tail.size() - 5], "phase \"Answer\"");
  EXPECT_EQ(tail[tail.size() - 4], "msgbox \"Brivazon!\" \"C'est incorrect.\"");
  EXPECT_EQ(tail[tail.size() - 3],
            "msgbox \"Brivazon!\" \"Le réponse correct était numéro trois, un éléphant\"");
  EXPECT_EQ(tail[tail.size() - 2], "phase \"CTopic\"");
  EXPECT_EQ(g.lblP.caption(), "0");
  EXPECT_TRUE(g.tmrMonColor.enabled());
  // The next topic choice clears the question screen away.
  game.play({"wait 5"});
  ASSERT_EQ(game.phase(), "CTopic1");
  for (auto* hidden : {&g.lbl4, &g.lblQuestion, &g.lblChoice1, &g.lblChoice2, &g.lblChoice3,
                       &g.lblChoice4, &g.lblFor, &g.lblValue, &g.lblTimer})
    EXPECT_FALSE(hidden->visible()) << hidden->name();
  for (auto* shown :
       {&g.lblAPlayer, &g.lblTopic1, &g.lblTopic2, &g.lblTopic3, &g.lbl1, &g.lbl2, &g.lbl3})
    EXPECT_TRUE(shown->visible()) << shown->name();
  // Keys that name no topic change nothing.
  game.play({"key 4", "key 0", "key q", "key p", "wait 5"});
  EXPECT_EQ(game.phase(), "CTopic1");
  // The next question shows its four choices in yellow again.
  game.play({"key 1"});
  toQuestion(game);
  for (auto* choice : {&g.lblChoice1, &g.lblChoice2, &g.lblChoice3, &g.lblChoice4}) {
    EXPECT_EQ(choice->backColor(), kYellow) << choice->name();
    EXPECT_TRUE(choice->visible()) << choice->name();
  }
  EXPECT_EQ(g.lblQ.backColor(), kScoreRest);
  EXPECT_EQ(g.lblQ.caption(), "-2000");
}

TEST(Countdown, NobodyBuzzesTheRightChoiceIsShownOnTheFifteenthTick) {
  Game game;
  // Presets 4 (right answer 4) and 19.
  toFirstQuestion(game, {"Ana", "Bo"});
  const std::int64_t shown = game.now();
  auto& g = game.g();
  EXPECT_EQ(g.lblTimer.caption(), "15");
  EXPECT_TRUE(g.lblTimer.visible());
  game.play({"wait 1000"});
  EXPECT_EQ(g.lblTimer.caption(), "14");
  game.play({"wait 13999"});
  EXPECT_EQ(g.lblTimer.caption(), "1");
  EXPECT_EQ(game.phase(), "Question");
  EXPECT_TRUE(game.messages().empty());
  game.play({"wait 1",
             [](sim::Driver& d) {
               auto& g = d.frmGame();
               EXPECT_EQ(g.lblTimer.caption(), "0");
               EXPECT_FALSE(g.tmrTimer.enabled());
               EXPECT_EQ(g.lblChoice4.backColor(), kGreen);
               EXPECT_FALSE(g.tmrMonColor.enabled());
             },
             "ok"});
  EXPECT_EQ(game.now(), shown + 15000);
  EXPECT_EQ(game.messages(),
            (std::vector<std::string>{
                "Brivazon!|La réponse correcte était numéro quatre, S 'il vous plaît."}));
  EXPECT_FALSE(g.lblTimer.visible());
  EXPECT_TRUE(g.tmrMonColor.enabled());
  // The next topic choice begins; the loader's tick of the same millisecond follows it.
  EXPECT_EQ(game.lines("").end()[-3], "phase \"CTopic\"");
  EXPECT_EQ(game.lines("").end()[-2], "phase \"CTopic1\"");
  for (auto* score : {&g.lblQ, &g.lblB, &g.lblP}) {
    EXPECT_EQ(score->caption(), "0") << score->name();
    EXPECT_EQ(score->backColor(), kScoreRest) << score->name();
  }
  game.play({"wait 2000"});
  EXPECT_EQ(game.phase(), "CTopic1");
  EXPECT_FALSE(g.tmrMonColor.enabled());
  EXPECT_EQ(game.messages().size(), 1u);
}

TEST(Countdown, TheTimeOutQuotesTheChoiceAsShownAndAHiddenCountIsShownAgain) {
  Game game;
  toFirstQuestion(game, {"Ana", "Bo"});
  auto& g = game.g();
  game.play({"wait 3500", [](sim::Driver& d) {
               d.frmGame().lblTimer.hide();
               d.frmGame().lblChoice4.setCaption("autre chose");
             }});
  EXPECT_EQ(g.lblTimer.caption(), "12");
  game.play({"wait 500"});
  EXPECT_TRUE(g.lblTimer.visible());
  EXPECT_EQ(g.lblTimer.caption(), "11");
  game.play({"wait 11000", "ok", "wait 5"});
  EXPECT_EQ(
      game.messages(),
      (std::vector<std::string>{"Brivazon!|La réponse correcte était numéro quatre, autre chose"}));
}

TEST(Countdown, ABuzzWithoutAnAnswerIsChargedOnTheSixthTick) {
  Game game;
  // Presets 3 (right answer 3, "un éléphant", 2000) and 19; three players, the middle buzzes.
  toFirstQuestion(game, {"Ana", "Bo", "Cy"}, "rnd 0.07 0.5");
  const std::int64_t shown = game.now();
  auto& g = game.g();
  game.play({"wait 2500", "key b"});
  EXPECT_EQ(g.lblTimer.caption(), "6");
  game.play({"wait 500"});
  EXPECT_EQ(g.lblTimer.caption(), "5");
  game.play({"wait 4999"});
  EXPECT_EQ(g.lblTimer.caption(), "1");
  EXPECT_EQ(game.phase(), "Answer");
  EXPECT_TRUE(game.messages().empty());
  game.play({"wait 1",
             [](sim::Driver& d) {
               auto& g = d.frmGame();
               EXPECT_EQ(g.lblTimer.caption(), "0");
               EXPECT_EQ(g.lblChoice3.backColor(), kGreen);
               EXPECT_EQ(g.lblB.caption(), "0");
             },
             "ok",
             [](sim::Driver& d) {
               // The score is charged once the player has read the reproach.
               EXPECT_EQ(d.frmGame().lblB.caption(), "0");
             },
             "ok"});
  const std::int64_t charged = game.now();
  EXPECT_EQ(charged, shown + 8000);
  EXPECT_EQ(game.messages(), (std::vector<std::string>{
                                 "Brivazon!|La réponse correcte était numéro trois, un éléphant",
                                 "Brivazon!|Tu ne devrais pas avoir bourdonné dedans!"}));
  EXPECT_EQ(g.lblB.caption(), "-2000");
  EXPECT_EQ(g.lblB.backColor(), kRed);
  EXPECT_EQ(g.lblQ.caption(), "0");
  EXPECT_EQ(g.lblP.caption(), "0");
  EXPECT_FALSE(g.lblTimer.visible());
  const auto tail = game.lines("");
  EXPECT_EQ(tail[tail.size() - 4],
            "msgbox \"Brivazon!\" \"Tu ne devrais pas avoir bourdonné dedans!\"");
  EXPECT_EQ(tail[tail.size() - 3], "phase \"CTopic\"");
  expectColoursRestAt(game, charged + 2000, {{&g.lblB, kRed}});
  EXPECT_EQ(g.lblB.caption(), "-2000");
}

// Whichever seat buzzes and lets the six seconds run out is charged, and only that seat.
TEST(Countdown, ABuzzWithoutAnAnswerChargesTheSeatThatBuzzedForEverySeatInPlay) {
  struct Case {
    std::vector<std::string> names;
    std::string key;
    int seat;  // 1 left, 2 middle, 3 right
  };
  const std::vector<Case> cases{{{"Ana", "Bo"}, "q", 1},
                                {{"Ana", "Bo"}, "p", 3},
                                {{"Ana", "Bo", "Cy"}, "q", 1},
                                {{"Ana", "Bo", "Cy"}, "b", 2},
                                {{"Ana", "Bo", "Cy"}, "p", 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.names.size()) + " players, key " + c.key);
    Game game;
    // Preset 3 (worth 2000) stands as topic 1.
    toFirstQuestion(game, c.names, "rnd 0.07 0.5");
    game.play({"wait 500", "key " + c.key, "wait 6000", "ok", "ok", "wait 5"});
    auto& g = game.g();
    for (int seat = 1; seat <= 3; ++seat)
      EXPECT_EQ(g.scoreLabel(seat).caption(), seat == c.seat ? "-2000" : "0") << "seat " << seat;
  }
}

TEST(ScoreFlash, ScoresChangedWithinTheSameTwoSecondsReturnToRestTogether) {
  Game game;
  toFirstQuestion(game, {"Ana", "Bo"});
  // A right answer for the left seat, then a second later a loss on the right seat.
  game.play({"key q", "key 4", "ok"});
  const std::int64_t verdict = game.now();
  auto& g = game.g();
  EXPECT_EQ(g.lblQ.backColor(), kGreen);
  game.play({"wait 1000", [](sim::Driver& d) {
               d.frmGame().lblP.setCaption("-500");
               d.frmGame().lblP.setBackColor(ui::Color{255, 0, 0});
             }});
  EXPECT_TRUE(g.tmrMonColor.enabled());
  expectColoursRestAt(game, verdict + 2000, {{&g.lblQ, kGreen}, {&g.lblP, kRed}});
  EXPECT_EQ(g.tmrMonColor.interval(), 2000);
}

TEST(RoundDisplay, QuestionEightTurnsToRoundTwoWhenTheQuestionIsShown) {
  Game game;
  // Presets 8 (worth 3000) and 19. Topic 1 keeps question 8 on offer until question 8.
  game.play(toFirstTopic({"Ana", "Bo"}, "rnd 0.2 0.5"));
  auto& g = game.g();
  for (int q = 1; q <= 7; ++q) {
    ASSERT_EQ(g.topicQ1, 8);
    playOrdinaryQuestion(game);
    EXPECT_TRUE(g.lblRound.visible());
    EXPECT_TRUE(g.lblQNumber.visible());
    EXPECT_EQ(g.lblQNumber.caption(), "1");
  }
  ASSERT_EQ(g.lblr.caption(), "8");
  ASSERT_EQ(g.topicQ1, 8);
  game.play({"wait 500"});
  EXPECT_EQ(game.phase(), "CTopic1");
  EXPECT_EQ(g.lblQNumber.caption(), "1");
  EXPECT_EQ(g.lblRound.caption(), "Rond");
  EXPECT_EQ(g.backColor(), kRound1);
  const std::string before = g.lblQ.caption();
  game.play({"key 1", "wait 3000"});
  // Still round 1 while the card runs.
  EXPECT_EQ(g.lblQNumber.caption(), "1");
  EXPECT_EQ(g.backColor(), kRound1);
  toQuestion(game);
  game.play({"wait 10"});
  EXPECT_EQ(g.lblQNumber.caption(), "2");
  EXPECT_EQ(g.backColor(), kRound2);
  EXPECT_EQ(g.lblValue.caption(), "6000");
  EXPECT_TRUE(g.lblRound.visible());
  game.play({"key q", "key 4", "ok", "wait 5"});
  EXPECT_EQ(std::stoi(g.lblQ.caption()) - std::stoi(before), 6000);
  // Round 2 stays on through the next topic choice.
  EXPECT_EQ(game.phase(), "CTopic1");
  EXPECT_EQ(g.lblQNumber.caption(), "2");
  EXPECT_EQ(g.backColor(), kRound2);
}

TEST(RoundDisplay, TheDisplayStaysHiddenUntilTheFirstQuestionBegins) {
  Game game;
  game.play({"rnd 0.1 0.5", "start", "key 2", "wait 300", "type Ana", "key ENTER", "wait 300",
             "type Bo", "key ENTER", "wait 2500",
             [](sim::Driver& d) {
               auto& g = d.frmGame();
               EXPECT_EQ(g.lblCheckpoint.caption(), "Intro");
               EXPECT_EQ(g.lblr.caption(), "0");
               EXPECT_FALSE(g.lblRound.visible());
               EXPECT_FALSE(g.lblQNumber.visible());
               EXPECT_EQ(g.lblQNumber.caption(), "0");
               EXPECT_EQ(g.backColor(), kRound1);
             },
             "wait 100"});
  EXPECT_EQ(game.phase(), "CTopic1");
  EXPECT_EQ(game.g().lblQNumber.caption(), "1");
}

TEST(RoundDisplay, TheSameQuestionIsWorthHalfInRoundOne) {
  Game game;
  toFirstQuestion(game, {"Ana", "Bo"}, "rnd 0.2 0.5");
  game.play({"wait 10"});
  auto& g = game.g();
  ASSERT_EQ(g.questionId, 8);
  EXPECT_EQ(g.lblValue.caption(), "3000");
  EXPECT_EQ(g.lblQNumber.caption(), "1");
  EXPECT_EQ(g.backColor(), kRound1);
  game.play({"key p", "key 4", "ok", "wait 5"});
  EXPECT_EQ(g.lblP.caption(), "3000");
}

TEST(MessageBoxes, KeysPressedWhileABoxIsOpenChangeNothing) {
  Game game;
  toFirstQuestion(game, {"Ana", "Bo"}, "rnd 0.07 0.5");
  auto& g = game.g();
  game.play({"key q", "key 2", "key 3", "key p", "key 1", "key Q", "ok",
             [](sim::Driver& d) { EXPECT_EQ(d.openBoxes(), 1); },
             // Escape closes the box like OK and does not end the game.
             "key ESC", "wait 5", "key 4", "key 1", "wait 5"});
  EXPECT_FALSE(game.ended());
  EXPECT_EQ(game.messages().size(), 2u);
  EXPECT_EQ(g.lblQ.caption(), "-2000");
  EXPECT_EQ(g.lblP.caption(), "0");
  EXPECT_EQ(g.curPlayer, 1);
  // Only the "key 1" after the boxes chose a topic.
  EXPECT_EQ(game.phase(), "Topic");
  EXPECT_EQ(g.lblr.caption(), "2");
  EXPECT_EQ(game.lines("phase \"Topic\"").size(), 2u);
}

TEST(Keys, EscapeEndsTheGameInEveryPhase) {
  const std::vector<std::vector<sim::Step>> roads = {
      {"rnd 0.1 0.5", "start"},
      {"rnd 0.1 0.5", "start", "key 8"},
      {"rnd 0.1 0.5", "start", "key 2", "wait 50"},
      toFirstTopic({"Ana", "Bo"}),
  };
  for (std::size_t i = 0; i < roads.size(); ++i) {
    SCOPED_TRACE("road " + std::to_string(i));
    Game game;
    game.play(roads[i]);
    const std::string phase = game.phase();
    game.play({"key ESC", "wait 10000"});
    EXPECT_TRUE(game.ended());
    EXPECT_EQ(game.lines("").back(), "end");
    EXPECT_EQ(game.phase(), phase);
  }
  for (const char* buzz : {"", "key q"}) {
    SCOPED_TRACE(buzz);
    Game game;
    toFirstQuestion(game, {"Ana", "Bo"});
    game.play({"wait 500", buzz});
    EXPECT_EQ(game.phase(), *buzz ? "Answer" : "Question");
    game.play({"key ESC", "wait 10000"});
    EXPECT_TRUE(game.ended());
    EXPECT_EQ(game.lines("").back(), "end");
    EXPECT_TRUE(game.messages().empty());
  }
}

}  // namespace
