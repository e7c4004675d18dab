// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The final matching round, played through whole games on the virtual clock: the ticker that
// flashes the nine French words every 1.5 seconds and gives a word up after seven flashes, the
// buzz keys judged against the English word, and the end of the game once ten words have been
// played.
//
// Every game here reaches question 15 the way players would, answering the fourteen questions
// before it, and chooses the category "Les personnes importants" (word 1 "le pilote" / "THE
// PILOT" ... word 9 "le roi" / "THE KING"). Queued random values fix the word to play and every
// flash. Times are counted from the moment the round comes on screen: the ticker fires 1.5 s
// after it and every 1.5 s from then on.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "support.h"
#include "ui/pointer.h"

namespace {

using namespace testing_support;

const std::string kEnd = "Brivazon!|Jeu-fin!";

const char* kEnglish1[] = {"THE PILOT",       "THE CONCEITED MAN", "THE DRUNK",
                           "THE LAMPLIGHTER", "THE GEOGRAPHER",    "THE RAILROAD SWITCHMAN",
                           "THE ADULTS",      "THE RED-FACED MAN", "THE KING"};

// The random value whose draw of a number 1..9 gives `word`.
std::string r(int word) {
  return std::to_string((word - 0.5) / 9);
}

// The random values for a list of draws of numbers 1..9.
std::string rnd(std::initializer_list<int> words) {
  std::string s = "rnd";
  for (int w : words)
    s += " " + r(w);
  return s;
}

class Final : public testing_support::Table {
 public:
  std::string scoreBefore;  // the first player's score when the round began

  // Plays the fourteen questions, every one answered right by the first player half a second
  // after it came on screen, then chooses category 1 with `draws` queued for the round.
  void toFinal(const std::vector<std::string>& names, const std::string& draws) {
    ASSERT_NO_FATAL_FAILURE(seat(names));
    for (int q = 1; q <= 14; ++q) {
      ASSERT_NO_FATAL_FAILURE(chooseOrdinary());
      // The last answer starts question 15: its prompted seat, then the categories 1, 2, 3.
      ASSERT_NO_FATAL_FAILURE(answerRight(q == 14 ? "0 0.1 0.4 0.9" : ""));
    }
    ASSERT_EQ(g().lblTopic1.caption(), "Les personnes importants");
    scoreBefore = (names.size() == 1 ? g().lblB : g().lblQ).caption();
    game.play({draws});
    ASSERT_NO_FATAL_FAILURE(choose(1));
    ASSERT_EQ(g().lblr.caption(), "15");
  }

  // The number 1..9 of the one word label shown, 0 if none is, -1 if more than one is.
  int shownWord() {
    ui::Label* words[] = {&g().lblCA, &g().lblCB, &g().lblCC, &g().lblCD, &g().lblCE,
                          &g().lblCF, &g().lblCG, &g().lblCH, &g().lblCI};
    int shown = 0;
    for (int n = 1; n <= 9; ++n) {
      if (!words[n - 1]->visible()) continue;
      if (shown) return -1;
      shown = n;
    }
    return shown;
  }

  std::string plus(int points) { return std::to_string(std::stoi(scoreBefore) + points); }
};

TEST(FinalRound, OpensWithNothingOnShowButTheEnglishWord) {
  Final f;
  ASSERT_NO_FATAL_FAILURE(f.toFinal({"Ana"}, rnd({5})));
  auto& g = f.g();
  EXPECT_EQ(g.finalWord, 5);
  EXPECT_TRUE(g.lblBrivazon.visible());
  f.at(10);
  EXPECT_EQ(g.lblBrivazon.caption(), "THE GEOGRAPHER");
  const ui::Table table = f.game.driver().brivazon().describeTable();
  EXPECT_EQ(table.screen, "Manche finale");
  // Every buzz key acts here, so each third of the band is live even for one player.
  std::string zones;
  for (const ui::Label* score : {&g.lblQ, &g.lblB, &g.lblP})
    zones += static_cast<char>(
        ui::keyAt(table, (score->left() + score->width() / 2) / ui::kTwipsPerPixel,
                  (score->top() + score->height() / 2) / ui::kTwipsPerPixel));
  EXPECT_EQ(zones, "qbp");
  EXPECT_EQ(g.presetQ1, 5);
  EXPECT_EQ(f.shownWord(), 0);
  EXPECT_EQ(g.lblQNumber.caption(), "0");
  EXPECT_FALSE(g.lblQNumber.visible() || g.lblRound.visible() || g.lblTimer.visible() ||
               g.lblValue.visible() || g.lblQuestion.visible());
  EXPECT_EQ(g.lblValue.caption(), "0");
  EXPECT_EQ(g.lblTimer.caption(), "0");
  EXPECT_TRUE(g.tmrPost.enabled());
  EXPECT_FALSE(g.tmrTimer.enabled());
  EXPECT_EQ(g.backColor(), (ui::Color{0, 0, 0}));
  EXPECT_EQ(g.lblCA.caption(), "le pilote");
  EXPECT_EQ(g.lblCI.caption(), "le roi");
}

TEST(FinalRound, EightyTicksWithoutABuzzGiveTenWordsUpAndEndTheGame) {
  Final f;
  ASSERT_NO_FATAL_FAILURE(f.toFinal({"Ana"}, rnd({5})));
  auto& g = f.g();
  for (int word = 1; word <= 9; ++word) {
    SCOPED_TRACE("word " + std::to_string(word));
    f.at(12000 * word - 100);
    EXPECT_EQ(g.lblQNumber.caption(), std::to_string(word - 1));
    EXPECT_EQ(g.lblTimer.caption(), "7");
    f.at(12000 * word + 100);
    EXPECT_EQ(g.lblQNumber.caption(), std::to_string(word));
    EXPECT_EQ(g.lblTimer.caption(), "0");
    EXPECT_EQ(f.shownWord(), 0);
  }
  f.at(119990);
  EXPECT_FALSE(f.game.ended());
  EXPECT_EQ(f.game.messages().back(), "Brivazon!|Tu es correct!");
  f.at(120000, {"wait 10",
                [&](sim::Driver&) {
                  EXPECT_EQ(f.game.messages().back(), kEnd);
                  EXPECT_EQ(g.lblQNumber.caption(), "10");
                },
                "ok",
                [&](sim::Driver&) {
                  EXPECT_EQ(f.game.messages().back(),
                            "Brivazon!|Tu as gagné " + f.scoreBefore + " points.");
                },
                "ok"});
  EXPECT_TRUE(f.game.ended());
  EXPECT_GE(f.game.lastTime("Jeu-fin!"), f.shownAt + 120000);
  EXPECT_LE(f.game.lastTime("Jeu-fin!"), f.shownAt + 120005);
  EXPECT_EQ(f.game.lines("end"), std::vector<std::string>{"end"});
  EXPECT_TRUE(f.game.lines("beep").empty());
}

TEST(FinalRound, SevenFlashesNeverTheSameWordTwiceInARowThenEveryWordHides) {
  Final f;
  // The word to play, then the flashes: 1, 1 drawn again as 2, 9, 9 drawn again as 4, 3, 6, 8;
  // then the word given up is replaced by 7, and the next count flashes 2.
  ASSERT_NO_FATAL_FAILURE(f.toFinal({"Ana"}, rnd({5, 1, 1, 2, 9, 9, 4, 3, 6, 8, 7, 2})));
  auto& g = f.g();
  f.at(1400);
  EXPECT_EQ(f.shownWord(), 0);
  const int flashes[] = {1, 2, 9, 4, 3, 6, 8};
  for (int k = 1; k <= 7; ++k) {
    SCOPED_TRACE("flash " + std::to_string(k));
    f.at(1500 * k + 100);
    EXPECT_EQ(f.shownWord(), flashes[k - 1]);
    EXPECT_EQ(g.lblValue.caption(), std::to_string(flashes[k - 1]));
    EXPECT_EQ(g.lblTimer.caption(), std::to_string(k));
    EXPECT_EQ(g.finalWord, 5);
    EXPECT_EQ(g.lblQNumber.caption(), "0");
  }
  f.at(12100);
  EXPECT_EQ(f.shownWord(), 0);
  EXPECT_EQ(g.lblTimer.caption(), "0");
  EXPECT_EQ(g.lblQNumber.caption(), "1");
  EXPECT_EQ(g.finalWord, 7);
  EXPECT_EQ(g.lblBrivazon.caption(), kEnglish1[6]);
  EXPECT_EQ(g.presetQ1, 7);
  f.at(13600);
  EXPECT_EQ(f.shownWord(), 2);
  EXPECT_EQ(g.lblTimer.caption(), "1");
}

// The buzz keys are judged against the word flashed last, also on the tick that hides them all.
TEST(FinalRound, ABuzzWhileEveryWordIsHiddenIsJudgedAgainstTheLastFlash) {
  Final f;
  // Word 6; flashes 1, 2, 3, 4, 5, 7, 6; the give-up draws 6 again; the find draws 2.
  ASSERT_NO_FATAL_FAILURE(f.toFinal({"Ana"}, rnd({6, 1, 2, 3, 4, 5, 7, 6, 6, 2})));
  auto& g = f.g();
  f.at(12100);
  ASSERT_EQ(f.shownWord(), 0);
  ASSERT_EQ(g.lblQNumber.caption(), "1");
  f.game.play({"key b"});
  EXPECT_EQ(g.lblB.caption(), f.plus(500));
  EXPECT_EQ(g.lblQNumber.caption(), "2");
  EXPECT_EQ(g.finalWord, 2);
  EXPECT_EQ(g.finalUsed6, 6);
  // Escape ends the game in the final round as anywhere.
  f.game.play({"key ESC"});
  EXPECT_TRUE(f.game.ended());
}

TEST(FinalRound, AWordFoundOnTheThirdFlashLeavesFourFlashesToTheNext) {
  Final f;
  // Word 3 to play; flashes 1, 2, 3; the find draws 6; flashes 4, 6, 5, 7; the find of 6 draws
  // 9; then the give-up draws 1.
  ASSERT_NO_FATAL_FAILURE(f.toFinal({"Ana"}, rnd({3, 1, 2, 3, 6, 4, 6, 9, 5, 7, 1})));
  auto& g = f.g();
  f.at(4600, {"key b"});
  EXPECT_EQ(g.lblQNumber.caption(), "1");
  EXPECT_EQ(g.finalWord, 6);
  EXPECT_EQ(g.lblTimer.caption(), "3") << "the flash count runs on";
  f.at(6100);
  EXPECT_EQ(f.shownWord(), 4);
  f.at(7600, {"key b"});
  EXPECT_EQ(f.shownWord(), 6);
  EXPECT_EQ(g.lblQNumber.caption(), "2");
  EXPECT_EQ(g.finalWord, 9);
  f.at(10600);
  EXPECT_EQ(g.lblTimer.caption(), "7");
  EXPECT_EQ(g.lblQNumber.caption(), "2");
  f.at(12100);
  EXPECT_EQ(f.shownWord(), 0);
  EXPECT_EQ(g.lblQNumber.caption(), "3");
  EXPECT_EQ(g.finalWord, 1);
  EXPECT_EQ(g.lblB.caption(), f.plus(1000));
  EXPECT_EQ(f.game.lines("beep").size(), 2u);
}

TEST(FinalRound, FoundWordsNeverComeBackAsTheWordToPlayButStillFlash) {
  Final f;
  // Word 3 to play, flashed first and found: the draw of the next word rejects 3 twice and
  // takes 7. Flashes 1, 3 (a found word may flash), 2, 4, 5, 6. The give-up rejects 3 and takes
  // 7 again (a word given up is not found). Flash 7, found: rejects 3 and 7, takes 9.
  ASSERT_NO_FATAL_FAILURE(
      f.toFinal({"Ana"}, rnd({3, 3, 3, 3, 7, 1, 3, 2, 4, 5, 6, 3, 7, 7, 3, 7, 9})));
  auto& g = f.g();
  f.at(1600, {"key b"});
  EXPECT_EQ(g.choice3, "3");
  EXPECT_EQ(g.finalWord, 7);
  f.at(4600);
  EXPECT_EQ(f.shownWord(), 3);
  f.at(12100);
  EXPECT_EQ(g.lblQNumber.caption(), "2");
  EXPECT_EQ(g.finalWord, 7);
  EXPECT_EQ(g.lblBrivazon.caption(), kEnglish1[6]);
  f.at(13600, {"key b"});
  EXPECT_EQ(f.shownWord(), 7);
  EXPECT_EQ(g.finalUsed7, 7);
  EXPECT_EQ(g.finalWord, 9);
  EXPECT_EQ(g.lblQNumber.caption(), "3");
  EXPECT_EQ(g.choice1.value() + g.choice2.value() + g.choice4.value() + g.answerKey.value(),
            "0000");
  EXPECT_EQ(g.finalUsed6 + g.finalUsed8 + g.finalUsed9, 0);
}

TEST(FinalRound, ABuzzBeforeTheFirstFlashCosts500) {
  Final f;
  ASSERT_NO_FATAL_FAILURE(f.toFinal({"Ana"}, rnd({5})));
  auto& g = f.g();
  EXPECT_EQ(g.tmrMonColor.interval(), 2000);
  f.at(500, {"key b"});
  EXPECT_EQ(g.lblB.caption(), f.plus(-500));
  EXPECT_EQ(g.lblB.backColor(), kRed);
  EXPECT_TRUE(g.tmrMonColor.enabled());
  EXPECT_EQ(g.tmrMonColor.interval(), 1000);
  EXPECT_EQ(g.lblQNumber.caption(), "0");
  EXPECT_EQ(g.finalWord, 5);
  expectColoursRestAt(f.game, f.shownAt + 1500, {{&g.lblB, kRed}});
  EXPECT_TRUE(f.game.lines("beep").empty());
}

TEST(FinalRound, WithOnePlayerTheEmptySeatsKeysStillAct) {
  Final f;
  ASSERT_NO_FATAL_FAILURE(f.toFinal({"Ana"}, rnd({2, 2, 4, 5})));
  auto& g = f.g();
  f.at(1600, {"key q"});
  EXPECT_EQ(g.lblQ.caption(), "500");
  EXPECT_EQ(g.lblQ.backColor(), kGreen);
  EXPECT_EQ(g.lblQNumber.caption(), "1");
  EXPECT_EQ(f.game.lines("beep").size(), 1u);
  f.at(3100, {"key p"});
  EXPECT_EQ(g.lblP.caption(), "-500");
  EXPECT_EQ(g.lblP.backColor(), kRed);
  EXPECT_FALSE(g.lblQ.visible() || g.lblP.visible());
  EXPECT_EQ(g.lblB.caption(), f.scoreBefore);
}

TEST(FinalRound, ARightBuzzWinsAndCountsAWrongOneCostsAndColoursFadeAfterOneSecond) {
  Final f;
  // Word 4; flash 4, found, next word 8; flash 1.
  ASSERT_NO_FATAL_FAILURE(f.toFinal({"Ana", "Léo"}, rnd({4, 4, 8, 1})));
  auto& g = f.g();
  f.at(1600, {"key p"});
  EXPECT_EQ(f.game.lastTime("beep"), f.shownAt + 1600);
  EXPECT_EQ(g.lblP.caption(), "500");
  EXPECT_EQ(g.lblP.backColor(), kGreen);
  EXPECT_EQ(g.lblQNumber.caption(), "1");
  EXPECT_EQ(g.finalWord, 8);
  EXPECT_EQ(g.tmrMonColor.interval(), 1000);
  expectColoursRestAt(f.game, f.shownAt + 2600, {{&g.lblP, kGreen}});
  EXPECT_EQ(g.lblBrivazon.caption(), kEnglish1[7]);

  f.at(3100, {"key q", "key b"});
  EXPECT_EQ(f.shownWord(), 1);
  EXPECT_EQ(g.lblQ.caption(), f.plus(-500));
  EXPECT_EQ(g.lblQ.backColor(), kRed);
  EXPECT_EQ(g.lblB.caption(), "-500") << "every buzz key acts in the final round";
  EXPECT_EQ(g.lblQNumber.caption(), "1");
  EXPECT_EQ(g.finalWord, 8);
  EXPECT_EQ(g.tmrMonColor.interval(), 1000);
  expectColoursRestAt(f.game, f.shownAt + 4100, {{&g.lblQ, kRed}, {&g.lblB, kRed}});
  EXPECT_EQ(f.game.lines("beep").size(), 1u);
}

// The fault this guards against: with all nine words found the draw of a tenth had no candidate
// and never ended.
TEST(FinalRound, FindingAllNineWordsEndsTheGame) {
  Final f;
  // Words 1 to 7 flashed and found in turn on the first seven flashes, word 8 given up and
  // drawn again, then words 8 and 9 found on the next two flashes.
  ASSERT_NO_FATAL_FAILURE(
      f.toFinal({"Ana"}, rnd({1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 8, 9, 9})));
  auto& g = f.g();
  for (int k = 1; k <= 7; ++k)
    f.at(1500 * k + 100, {"key b"});
  EXPECT_EQ(g.lblQNumber.caption(), "7");
  f.at(12100);
  EXPECT_EQ(g.lblQNumber.caption(), "8");
  EXPECT_EQ(g.finalWord, 8);
  f.at(13600, {"key b"});
  EXPECT_EQ(g.lblQNumber.caption(), "9");
  EXPECT_EQ(g.finalWord, 9);
  f.at(15100,
       {"key b", "wait 10",
        [&](sim::Driver&) {
          EXPECT_EQ(f.game.messages().back(), kEnd);
          EXPECT_EQ(g.lblQNumber.caption(), "10");
          EXPECT_EQ(g.choice1.value() + g.choice2.value() + g.choice3.value() + g.choice4.value() +
                        g.answerKey.value(),
                    "12345");
          EXPECT_EQ(g.finalUsed6 * 1000 + g.finalUsed7 * 100 + g.finalUsed8 * 10 + g.finalUsed9,
                    6789);
        },
        "ok",
        [&](sim::Driver&) {
          EXPECT_EQ(f.game.messages().back(), "Brivazon!|Tu as gagné " + f.plus(4500) + " points.");
        },
        "ok"});
  EXPECT_TRUE(f.game.ended());
  EXPECT_EQ(f.game.lines("beep").size(), 9u);
}

}  // namespace
