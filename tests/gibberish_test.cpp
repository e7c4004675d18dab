// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The gibberish question, played through whole games on the virtual clock: the value that
// drains every second with its three clues, the reveal when it runs out, the typed answers and
// their verdicts one tick later, the typing time limit, and the buzz keys while the answer box is
// shown.
//
// Every game here reaches its gibberish question the way players would: ordinary questions are
// answered (or left to time out) until the draw offers the gibberish topic, which is then chosen.
// Times are counted from the moment the question comes on screen, when the drain starts: the
// drain ticks fall on whole seconds after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "content/bank.h"
#include "judging/typed_answer.h"
#include "support.h"
#include "ui/numeric.h"

namespace {

using testing_support::kGreen;
using testing_support::kRed;
using testing_support::kWhite;

// Key 1001 of the bank: its four accepted forms, the phrase shown when it is revealed, its clues.
const std::vector<std::string> kForms1001 = {
    "les grandes personnes sont bien etranges", "les grandes personnes sont bien etranges.",
    "Les grandes personnes sont bien etranges", "Les grandes personnes sont bien etranges.  "};
const std::string kPhrase1001 = "Les grandes personnes sont bien étranges.";
const std::vector<std::string> kClues1001 = {"C'est dans la chapitre du roi.",
                                             "Le Petit Prince dit ça un beaucoup de temps.",
                                             "Il pense que le roi est étrange."};

const std::string kTooLate = "Brivazon!|Tu ne devrais pas avoir bourdonné dedans!";
const std::string kRunOut = "Brivazon!|Trop mauvais!";

int count(const std::vector<std::string>& all, const std::string& one) {
  return static_cast<int>(std::count(all.begin(), all.end(), one));
}

// A game with its players seated, played up to a gibberish question on screen.
class Table : public testing_support::Table {
 public:
  std::string value() { return game.g().lblValue.caption(); }

  // The random value that makes the special draw give `special` (1001..1006).
  static std::string special(int id) { return std::to_string((id - 1000 - 0.5) / 6); }

  // Plays questions 1 and 2 right; question 3 then offers `id` as topic 3.
  void offerAtQuestion3(const std::vector<std::string>& names, int id = 1001) {
    ASSERT_NO_FATAL_FAILURE(seat(names));
    ASSERT_NO_FATAL_FAILURE(chooseOrdinary());
    ASSERT_NO_FATAL_FAILURE(answerRight());
    ASSERT_NO_FATAL_FAILURE(chooseOrdinary());
    ASSERT_NO_FATAL_FAILURE(answerRight("0 " + special(id)));
    ASSERT_EQ(g().lblr.caption(), "3");
    ASSERT_EQ(g().topicQ3, id);
  }

  // The gibberish question `id` on screen as question 3, worth 5000; the first player has 4000
  // from questions 1 and 2.
  void toQuestion3(const std::vector<std::string>& names, int id = 1001) {
    ASSERT_NO_FATAL_FAILURE(offerAtQuestion3(names, id));
    ASSERT_NO_FATAL_FAILURE(choose(3));
    ASSERT_EQ(g().questionId, id);
    ASSERT_EQ((names.size() == 1 ? g().lblB : g().lblQ).caption(), "4000");
  }

  // From the question on screen worth 50 steps of `step`, the value drains a step a second, and
  // each clue shows on the 11th, 21st and 31st drained second, not a second earlier; plays to
  // half a second before the value runs out.
  void expectDrainWithClues(int step, const std::vector<std::string>& texts) {
    auto after = [&](int seconds) { return std::to_string(step * (50 - seconds)); };
    at(1500);
    EXPECT_EQ(value(), after(1));
    ui::Label* clues[] = {&g().lblClue1, &g().lblClue2, &g().lblClue3};
    for (int k = 0; k < 3; ++k) {
      SCOPED_TRACE("clue " + std::to_string(k + 1));
      at(10500 + 10000 * k);
      EXPECT_EQ(value(), after(10 + 10 * k));
      EXPECT_FALSE(clues[k]->visible());
      at(11500 + 10000 * k);
      EXPECT_EQ(value(), after(11 + 10 * k));
      EXPECT_TRUE(clues[k]->visible());
      EXPECT_EQ(clues[k]->caption(), texts[k]);
      for (int later = k + 1; later < 3; ++later)
        EXPECT_FALSE(clues[later]->visible());
    }
    at(49500);
    EXPECT_EQ(value(), after(49));
  }

  // A second after a verdict at `verdict` that cost the value, the drain resumes from `before` to
  // `after`, and a buzz opens the answer box again, empty, with twenty seconds to type.
  void expectDrainResumes(std::int64_t verdict, const char* before, const char* after) {
    at(verdict + 900);
    EXPECT_EQ(value(), before);
    at(verdict + 1100);
    EXPECT_EQ(value(), after);
    game.play({"key b"});
    EXPECT_TRUE(g().txtGAnswer.visible() && g().txtGAnswer.enabled());
    EXPECT_EQ(g().txtGAnswer.text(), "");
    EXPECT_EQ(g().lblTimer.caption(), "20");
  }
};

// One player, in the middle seat (key b), at the gibberish question 1001 on screen as question 3.
class OnePlayerGibberish : public testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(t.toQuestion3({"Ana"})); }
  Table t;
};

TEST_F(OnePlayerGibberish, NobodyBuzzesCluesAppearThenThePhraseIsRevealedAndTheNextTopicBegins) {
  auto& g = t.g();
  EXPECT_EQ(t.value(), "5000");
  EXPECT_EQ(g.lblTimer.caption(), "30");
  EXPECT_TRUE(g.tmrTimer.enabled());
  EXPECT_EQ(g.lblQuestion.caption(), "Mes landes faire homme ont rien et ranges.");
  // The sentence and its value replace the choices; the typing time is not shown.
  for (auto* shown : {&g.lblFor, &g.lblValue, &g.lblQuestion})
    EXPECT_TRUE(shown->visible()) << shown->name();
  for (auto* hidden :
       {&g.lbl1, &g.lbl2, &g.lbl3, &g.lbl4, &g.lblChoice1, &g.lblChoice2, &g.lblChoice3,
        &g.lblChoice4, &g.lblTopic1, &g.lblTopic2, &g.lblTopic3, &g.lblTimer})
    EXPECT_FALSE(hidden->visible()) << hidden->name();
  EXPECT_FALSE(g.txtGAnswer.visible());
  EXPECT_EQ(t.game.driver().brivazon().describeTable().screen, "Question charabia");

  t.expectDrainWithClues(100, kClues1001);
  EXPECT_EQ(count(t.game.messages(), kRunOut), 0);
  t.at(50000, {[&](sim::Driver&) {
                 EXPECT_EQ(t.game.messages().back(), kRunOut);
                 EXPECT_EQ(t.game.now(), t.shownAt + 50000);
               },
               "ok"});
  EXPECT_FALSE(g.lblValue.visible());
  EXPECT_EQ(t.value(), "0");
  EXPECT_TRUE(g.txtGAnswer.visible());
  EXPECT_FALSE(g.txtGAnswer.enabled());
  EXPECT_EQ(g.txtGAnswer.text(), kPhrase1001);
  EXPECT_EQ(g.curPlayer, 0);
  EXPECT_TRUE(g.tmrGAnswer.enabled());

  // The reveal pause: the phrase stays on screen for eight seconds, the clues with it.
  t.at(57500);
  EXPECT_EQ(t.value(), "7") << "the hidden value label counts the seconds of the pause";
  EXPECT_EQ(t.game.phase(), "Question");
  EXPECT_TRUE(g.txtGAnswer.visible());
  EXPECT_TRUE(g.lblClue3.visible());
  t.at(58010);
  EXPECT_EQ(t.game.lastTime("phase \"CTopic\""), t.shownAt + 58000);
  EXPECT_EQ(t.game.phase(), "CTopic1");
  EXPECT_FALSE(g.txtGAnswer.visible());
  EXPECT_FALSE(g.lblClue1.visible() || g.lblClue2.visible() || g.lblClue3.visible());
  EXPECT_EQ(g.txtGAnswer.backColor(), kWhite);
  EXPECT_EQ(g.txtGAnswer.text(), kPhrase1001) << "the reveal pause hides the box, not empties it";
  EXPECT_EQ(g.lblB.caption(), "4000") << "the score of the two questions before, unchanged";
  EXPECT_EQ(t.game.messages().size(), 3u) << "two right answers and the run-out, nothing more";
  EXPECT_TRUE(t.game.lines("beep").empty());
}

// The fault this guards against: a typing time-out leaves the typing clock at 0, and when the
// value then runs out the revealed phrase was wiped at once with a second "too late" message,
// and the reveal pause kept raising boxes.
TEST_F(OnePlayerGibberish, RunningOutAfterATypingTimeOutShowsThePhraseForTheWholePause) {
  auto& g = t.g();
  t.at(500, {"key b"});
  t.at(20000, {[&](sim::Driver&) { EXPECT_EQ(t.game.messages().back(), kTooLate); }, "ok"});
  EXPECT_EQ(g.lblB.caption(), "-1000");
  EXPECT_EQ(g.lblTimer.caption(), "0");
  // 50 drained seconds from the second after the time-out.
  t.at(69500);
  EXPECT_EQ(t.value(), "100");
  t.at(70000, {[&](sim::Driver&) { EXPECT_EQ(t.game.messages().back(), kRunOut); }, "ok"});
  EXPECT_FALSE(g.tmrTimer.enabled());
  for (int s = 70500; s <= 77500; s += 1000) {
    t.at(s);
    ASSERT_TRUE(g.txtGAnswer.visible()) << s;
    ASSERT_EQ(g.txtGAnswer.text(), kPhrase1001) << s;
  }
  EXPECT_EQ(count(t.game.messages(), kTooLate), 1);
  EXPECT_EQ(t.game.messages().size(), 4u);
  t.at(78010);
  EXPECT_EQ(t.game.phase(), "CTopic1");
  EXPECT_EQ(g.lblB.caption(), "-1000");
}

TEST_F(OnePlayerGibberish, TwentyTicksWithoutEnterCostTheValueAndTheQuestionGoesOn) {
  auto& g = t.g();
  t.at(12500, {"key b", "type Les gran"});
  t.at(31500);
  EXPECT_EQ(g.lblTimer.caption(), "1");
  EXPECT_TRUE(g.txtGAnswer.visible());
  EXPECT_EQ(t.value(), "3800");
  t.at(32000, {[&](sim::Driver&) {
                 EXPECT_EQ(t.game.messages().back(), kTooLate);
                 EXPECT_EQ(t.game.now(), t.shownAt + 32000);
                 EXPECT_FALSE(g.txtGAnswer.visible());
                 EXPECT_EQ(g.txtGAnswer.text(), "");
                 EXPECT_EQ(g.lblB.caption(), "4000") << "charged once the box is closed";
               },
               "ok"});
  EXPECT_EQ(g.lblB.caption(), "200");
  EXPECT_EQ(g.lblB.backColor(), kRed);
  EXPECT_TRUE(g.tmrMonColor.enabled());
  EXPECT_EQ(t.game.phase(), "Question");
  EXPECT_TRUE(g.tmrTimer.enabled());
  t.expectDrainResumes(32000, "3800", "3700");
}

TEST_F(OnePlayerGibberish, EscapeInTheBoxEndsTheGame) {
  const auto boxes = t.game.messages().size();
  t.at(3500, {"key b", "type Les", "key ESC", "wait 1000"});
  EXPECT_TRUE(t.game.ended());
  EXPECT_EQ(t.game.lines("end"), std::vector<std::string>{"end"});
  EXPECT_EQ(t.game.messages().size(), boxes);
}

// The fault this guards against: a buzz during the reveal pause reopened the box for typing, and
// the pause, which only runs while nobody has buzzed, then never ended.
TEST_F(OnePlayerGibberish, ABuzzIsIgnoredWhileThePhraseIsRevealed) {
  auto& g = t.g();
  t.at(50000, {"ok"});
  t.at(52500, {"key b"});
  EXPECT_EQ(g.curPlayer, 0);
  EXPECT_FALSE(g.txtGAnswer.enabled());
  EXPECT_EQ(g.txtGAnswer.text(), kPhrase1001);
  EXPECT_EQ(g.lblTimer.caption(), "30");
  EXPECT_FALSE(g.lblAPlayer.visible());
  t.at(58010);
  EXPECT_EQ(t.game.lastTime("phase \"CTopic\""), t.shownAt + 58000);
  EXPECT_EQ(t.game.phase(), "CTopic1");
}

// The fault this guards against: the verdict timer of a first gibberish question that ran out
// stayed armed, and threw the second gibberish question away on its first tick.
TEST_F(OnePlayerGibberish, ASecondGibberishQuestionPlaysInFullAfterTheFirstRanOut) {
  auto& g = t.g();
  t.at(50000, {"ok"});
  t.at(58010);
  ASSERT_EQ(t.game.phase(), "CTopic1");
  EXPECT_FALSE(g.tmrGAnswer.enabled());
  // Questions 4 to 9 time out with nobody buzzing, so nobody has buzzed since the run-out.
  for (int q = 4; q <= 9; ++q) {
    ASSERT_NO_FATAL_FAILURE(t.chooseOrdinary());
    ASSERT_NO_FATAL_FAILURE(t.letTimeOut(q == 9 ? "0 " + Table::special(1004) : ""));
  }
  ASSERT_EQ(g.curPlayer, 0);
  ASSERT_EQ(g.topicQ3, 1004);
  ASSERT_NO_FATAL_FAILURE(t.choose(3));
  t.at(1500);
  EXPECT_EQ(t.game.phase(), "Question");
  EXPECT_EQ(t.value(), "9800");
  t.at(8500);
  EXPECT_EQ(t.game.phase(), "Question");
  EXPECT_EQ(t.value(), "8400");
  EXPECT_FALSE(g.txtGAnswer.visible());
  // The first question's phrase was left in the hidden box; the buzz opens it empty, so the
  // right phrase typed now is judged right.
  const double before = ui::val(g.lblB.caption());
  t.game.play({"key b"});
  EXPECT_TRUE(g.txtGAnswer.visible() && g.txtGAnswer.enabled());
  EXPECT_EQ(g.txtGAnswer.text(), "");
  t.game.play({"type Je suis responsable de ma rose.", "key ENTER", "wait 1000"});
  EXPECT_EQ(ui::val(g.lblB.caption()), before + 8400);
}

TEST(GibberishRound2, StartsAt10000AndDrains200WithTheCluesAtTheSameSeconds) {
  // Question 10 offers a second gibberish question (1004) beside the first (1001).
  Table t;
  ASSERT_NO_FATAL_FAILURE(t.seat({"Ana"}));
  for (int q = 1; q <= 9; ++q) {
    ASSERT_NO_FATAL_FAILURE(t.chooseOrdinary());
    ASSERT_NO_FATAL_FAILURE(t.answerRight(q == 2   ? "0 " + Table::special(1001)
                                          : q == 9 ? "0 " + Table::special(1004)
                                                   : ""));
  }
  ASSERT_EQ(t.g().topicQ3, 1004);
  ASSERT_NO_FATAL_FAILURE(t.choose(3));
  auto& g = t.g();
  EXPECT_EQ(g.lblQNumber.caption(), "2");
  EXPECT_EQ(t.value(), "10000");
  EXPECT_EQ(g.lblTimer.caption(), "30");
  t.expectDrainWithClues(200, {"C'est dans le chapitre du renoir.",
                               "C'est une leçon qui le Petit Prince apprenne du renard.",
                               "Le Petit Prince est ________ pour sa rose."});
  t.at(50000, {[&](sim::Driver&) { EXPECT_EQ(t.game.messages().back(), kRunOut); }, "ok"});
  EXPECT_EQ(g.txtGAnswer.text(), "Je suis responsable de ma rose.");
}

// Round 2 begins with question 8; the gibberish value doubles there although the round display
// still reads "1" when the question is laid out and turns to "2" on its next tick.
TEST(GibberishRound2, PlayedAsQuestion8ItIsWorth10000) {
  Table t;
  ASSERT_NO_FATAL_FAILURE(t.offerAtQuestion3({"Ana"}));
  for (int q = 3; q <= 7; ++q) {
    ASSERT_NO_FATAL_FAILURE(t.chooseOrdinary());
    ASSERT_NO_FATAL_FAILURE(t.answerRight());
  }
  auto& g = t.g();
  ASSERT_EQ(g.lblr.caption(), "8");
  ASSERT_EQ(g.topicQ1, 1001) << "the gibberish topic stayed on offer";
  ASSERT_NO_FATAL_FAILURE(t.choose(1));
  EXPECT_EQ(g.lblQNumber.caption(), "1");
  EXPECT_EQ(t.value(), "10000");
  t.at(1500);
  EXPECT_EQ(g.lblQNumber.caption(), "2");
  EXPECT_EQ(t.value(), "9800");
  t.at(11500);
  EXPECT_EQ(t.value(), "7800");
  EXPECT_TRUE(g.lblClue1.visible());
}

// The accepted forms, and what a player types of them: the revealed phrase itself, accents
// kept or dropped, a phone keyboard's apostrophe, outer blanks.
TEST(GibberishTyping, EachAcceptedFormIsRightAndPaysTheValueShownAtTheBuzz) {
  std::vector<std::string> typed = kForms1001;
  typed.insert(typed.end(),
               {
                   kPhrase1001, "les grandes personnes sont bien étranges",
                   " Les grandes personnes sont bien etranges. ",
                   "les grandes personnes sont bien e\u0301tranges",  // a combining accent
               });
  for (const std::string& form : typed) {
    SCOPED_TRACE("typed \"" + form + "\"");
    Table t;
    ASSERT_NO_FATAL_FAILURE(t.toQuestion3({"Ana"}));
    auto& g = t.g();
    t.at(12500);
    EXPECT_EQ(t.value(), "3800");
    t.game.play({"key b"});
    EXPECT_TRUE(g.txtGAnswer.visible());
    EXPECT_TRUE(g.txtGAnswer.enabled());
    EXPECT_EQ(g.txtGAnswer.text(), "");
    EXPECT_EQ(g.lblTimer.caption(), "20");
    EXPECT_EQ(g.lblAPlayer.caption(), "Answer Ana");
    EXPECT_TRUE(g.lblAPlayer.visible());
    EXPECT_EQ(g.curPlayer, 2);
    EXPECT_EQ(t.game.phase(), "Question");
    // The drain pauses while the player types; the typing clock runs.
    t.at(14500);
    EXPECT_EQ(t.value(), "3800");
    EXPECT_EQ(g.lblTimer.caption(), "18");
    t.game.play({"type " + form, "key ENTER"});
    EXPECT_FALSE(g.txtGAnswer.enabled());
    EXPECT_TRUE(g.txtGAnswer.visible());
    EXPECT_EQ(g.txtGAnswer.backColor(), kGreen);
    EXPECT_EQ(g.txtGAnswer.text(), kPhrase1001);
    EXPECT_FALSE(g.tmrTimer.enabled());
    // Paid on the next tick of the verdict timer, one second after Enter.
    t.at(15400);
    EXPECT_EQ(g.lblB.caption(), "4000");
    EXPECT_EQ(t.value(), "3800");
    EXPECT_TRUE(t.game.lines("beep").empty());
    t.at(15510);
    EXPECT_EQ(t.game.lastTime("beep"), t.shownAt + 15500);
    EXPECT_EQ(t.game.lines("beep").size(), 1u);
    EXPECT_EQ(g.lblB.caption(), "7800");
    EXPECT_EQ(g.lblB.backColor(), kGreen);
    EXPECT_FALSE(g.txtGAnswer.visible());
    EXPECT_EQ(g.txtGAnswer.backColor(), kWhite);
    EXPECT_EQ(g.txtGAnswer.text(), "");
    EXPECT_FALSE(g.lblClue1.visible());
    EXPECT_EQ(t.game.lastTime("phase \"CTopic\""), t.shownAt + 15500);
    EXPECT_EQ(t.game.phase(), "CTopic1");
    EXPECT_FALSE(g.tmrGAnswer.enabled());
    testing_support::expectColoursRestAt(t.game, t.shownAt + 17500, {{&g.lblB, kGreen}});
  }
}

TEST(GibberishTyping, NearMissesAreWrongCostTheValueAndTheDrainResumes) {
  const std::string misses[] = {
      "les Grandes personnes sont bien etranges",    // a capital no form has
      "LES GRANDES PERSONNES SONT BIEN ETRANGES.",   // case still counts
      "les grandes  personnes sont bien etranges",   // inner blanks still count
      "Les grandes personnes sont bien etranges !",  // and punctuation
  };
  for (const std::string& miss : misses) {
    SCOPED_TRACE("typed \"" + miss + "\"");
    Table t;
    ASSERT_NO_FATAL_FAILURE(t.toQuestion3({"Ana"}));
    auto& g = t.g();
    t.at(12500, {"key b", "type " + miss, "key ENTER"});
    EXPECT_FALSE(g.txtGAnswer.enabled());
    EXPECT_EQ(g.txtGAnswer.backColor(), kRed);
    EXPECT_FALSE(g.tmrTimer.enabled());
    t.at(13400);
    EXPECT_EQ(g.lblB.caption(), "4000");
    t.at(13510);
    EXPECT_EQ(g.lblB.caption(), "200");
    EXPECT_EQ(g.lblB.backColor(), kRed);
    EXPECT_FALSE(g.txtGAnswer.visible());
    EXPECT_EQ(g.txtGAnswer.backColor(), kWhite);
    EXPECT_EQ(g.txtGAnswer.text(), "");
    EXPECT_EQ(t.game.phase(), "Question");
    EXPECT_TRUE(g.tmrTimer.enabled());
    EXPECT_TRUE(g.lblClue1.visible()) << "clues already shown stay shown";
    EXPECT_TRUE(t.game.lines("beep").empty());
    t.expectDrainResumes(13500, "3800", "3700");
  }
}

// Every question of the bank takes the phrase it reveals, typed as shown or as a phone types it.
TEST(GibberishTyping, EveryRevealedPhraseIsAnAcceptedAnswer) {
  for (int key = 1001; const content::GibberishQuestion* q = content::findGibberish(key); ++key) {
    SCOPED_TRACE(key);
    std::string phone(q->answer);
    for (std::size_t at; (at = phone.find('\'')) != std::string::npos;)
      phone.replace(at, 1, "\u2019");
    for (const std::string& typed : {std::string(q->answer), phone}) {
      EXPECT_TRUE(std::any_of(q->accepted.begin(), q->accepted.end(), [&](std::string_view form) {
        return game::foldTypedAnswer(typed) == game::foldTypedAnswer(form);
      })) << typed;
    }
  }
}

// While a player types, the answer box has the keyboard, so another seat's buzz key is typed
// into the box. Should such a key reach the game window all the same, it takes the answer over.
TEST(GibberishBuzz, AnotherSeatsBuzzReachingTheWindowTakesOverTheTypedAnswer) {
  Table t;
  ASSERT_NO_FATAL_FAILURE(t.toQuestion3({"Ana", "Léo"}));
  auto& g = t.g();
  t.at(2500, {"key q"});
  EXPECT_EQ(g.curPlayer, 1);
  EXPECT_EQ(g.lblAPlayer.caption(), "Answer Ana");
  t.at(5500, {"key p"});
  EXPECT_EQ(g.lblTimer.caption(), "17");
  EXPECT_EQ(g.txtGAnswer.text(), "p") << "a key typed while the box is open is a letter";
  EXPECT_EQ(g.curPlayer, 1);
  t.game.play({[&](sim::Driver&) { g.Form_KeyPress('p'); }});
  EXPECT_EQ(g.curPlayer, 3);
  EXPECT_EQ(g.lblAPlayer.caption(), "Answer Léo");
  EXPECT_EQ(g.lblTimer.caption(), "20");
  EXPECT_TRUE(g.txtGAnswer.visible() && g.txtGAnswer.enabled());
  EXPECT_EQ(g.txtGAnswer.text(), "p");
  EXPECT_EQ(t.game.phase(), "Question");
  t.game.play({"type ierre", "key ENTER", "wait 1010"});
  EXPECT_EQ(g.lblP.caption(), "-4800") << "the value shown at the first buzz";
  EXPECT_EQ(g.lblQ.caption(), "4000");
}

// The fault this guards against: a buzz between Enter and the verdict's tick took the question
// over, so the verdict was paid to the wrong seat.
TEST(GibberishBuzz, IsIgnoredWhileAVerdictWaitsForItsTick) {
  struct Case {
    std::string typed, left;
  };
  for (const Case& c : {Case{"nope", "200"}, Case{kForms1001[0], "7800"}}) {
    SCOPED_TRACE("typed \"" + c.typed + "\"");
    Table t;
    ASSERT_NO_FATAL_FAILURE(t.toQuestion3({"Ana", "Léo"}));
    auto& g = t.g();
    t.at(12500, {"key q", "type " + c.typed, "key ENTER", "wait 200", "key p"});
    EXPECT_EQ(g.curPlayer, 1);
    EXPECT_EQ(g.lblAPlayer.caption(), "Answer Ana");
    EXPECT_FALSE(g.txtGAnswer.enabled());
    EXPECT_EQ(g.lblTimer.caption(), "20");
    t.at(13510);
    EXPECT_EQ(g.lblQ.caption(), c.left);
    EXPECT_EQ(g.lblP.caption(), "0");
  }
}

}  // namespace
