// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The end of a game: once the final round has played more than nine words the game says
// "Jeu-fin!", names the winner (or the tie) of the seats in play with the score as its box
// shows it, and the application ends. Scores are set by hand on a game at its first topic
// choice, and the final round's state is then written the way the round leaves it.
#include <string>
#include <vector>

#include "tests/support.h"

namespace {

using testing_support::Game;

struct Scores {
  const char* left;
  const char* middle;
  const char* right;
};

// Sets the scores and puts the game into the final round with `words` words played.
sim::Step finalState(Scores s, const char* words = "10") {
  return [s, words](sim::Driver& d) {
    auto& g = d.frmGame();
    g.lblQ.setCaption(s.left);
    g.lblB.setCaption(s.middle);
    g.lblP.setCaption(s.right);
    g.lblr.setCaption("15");
    g.lblQNumber.setCaption(words);
  };
}

// A game with these names and scores played to its end: the end check runs, its boxes are
// closed one by one.
void playToEnd(Game& game, const std::vector<std::string>& names, Scores s) {
  game.play(testing_support::toFirstTopic(names));
  game.play({finalState(s), "wait 10", "ok", "wait 10", "ok", "wait 3000"});
}

// The messages of the end: "Jeu-fin!" and the result, after those of the name entry.
std::vector<std::string> endMessages(Game& game) {
  std::vector<std::string> out;
  for (const auto& m : game.messages())
    if (m.rfind("Pas de nom!|", 0) != 0) out.push_back(m);
  return out;
}

// The application ended right after the last box.
void expectEnded(Game& game) {
  EXPECT_TRUE(game.ended());
  const auto all = game.lines("");
  ASSERT_GE(all.size(), 3u);
  EXPECT_EQ(all[all.size() - 1], "end");
  EXPECT_EQ(all[all.size() - 2].rfind("msgbox ", 0), 0u) << all[all.size() - 2];
  EXPECT_EQ(all[all.size() - 3], "msgbox \"Brivazon!\" \"Jeu-fin!\"");
}

// One player is told the middle score; two or three are told who won, or who tied at the top,
// by the names they typed (a default name for one left empty).
TEST(GameEnd, TheResultNamesTheWinnerOrTheTieOfTheSeatsInPlay) {
  struct Case {
    std::vector<std::string> names;
    Scores s;
    const char* text;
  };
  const std::vector<std::string> one{"Ana"}, two{"Ana", "Bo"}, three{"Ana", "Bo", "Cy"};
  const Case cases[] = {
      {one, {"700", "4500", "900"}, "Tu as gagné 4500 points."},
      {one, {"700", "0", "900"}, "Tu as gagné 0 points."},
      {one, {"700", "-3000", "900"}, "Tu as gagné -3000 points."},
      // Two players: the higher of left and right; the middle score is not in play.
      {two, {"500", "9000", "1000"}, "Bo a gagné! Il avait 1000 points."},
      {two, {"3000", "9000", "-1000"}, "Ana a gagné! Il avait 3000 points."},
      {two, {"-500", "0", "-2000"}, "Ana a gagné! Il avait -500 points."},
      {two, {"-4000", "0", "-2000"}, "Bo a gagné! Il avait -2000 points."},
      // Equal scores: the tie, with the shared score.
      {two, {"2000", "9000", "2000"}, "Vous avez attaché avec 2000 points."},
      {two, {"-1000", "0", "-1000"}, "Vous avez attaché avec -1000 points."},
      {two, {"0", "500", "0"}, "Vous avez attaché avec 0 points."},
      // Compared by their whole part, shown as the boxes show them.
      {two, {"1000.75", "0", "1000"}, "Vous avez attaché avec 1000.75 points."},
      {two, {"999.5", "0", "1000"}, "Bo a gagné! Il avait 1000 points."},
      // Three players: one winner, or a tie of two at the top.
      {three, {"3000", "1000", "2000"}, "Ana a gagné! Il avait 3000 points."},
      {three, {"1000", "3000", "2000"}, "Bo a gagné! Il avait 3000 points."},
      {three, {"1000", "2000", "3000"}, "Cy a gagné! Il avait 3000 points."},
      {three, {"-1000", "-3000", "-1000"}, "Cy Ana ont attaché avec -1000 points."},
      // A tie at the bottom does not hide the winner.
      {three, {"500", "500", "1500"}, "Cy a gagné! Il avait 1500 points."},
      {three, {"-500", "-2000", "-2000"}, "Ana a gagné! Il avait -500 points."},
      // Two at the top: left-middle, middle-right, right-left.
      {three, {"2000", "2000", "1000"}, "Ana Bo ont attaché avec 2000 points."},
      {three, {"1000", "2000", "2000"}, "Bo Cy ont attaché avec 2000 points."},
      {three, {"2000", "1000", "2000"}, "Cy Ana ont attaché avec 2000 points."},
      {three, {"0", "-500", "0"}, "Cy Ana ont attaché avec 0 points."},
      // All three equal.
      {three, {"1500", "1500", "1500"}, "Vous avez attaché avec 1500 points."},
      {three, {"-500", "-500", "-500"}, "Vous avez attaché avec -500 points."},
      // The names are the seats' names as typed, or their defaults.
      {{"", "Jean Édouard", ""},
       {"1000", "2500", "2500"},
       "Jean Édouard Pierre ont attaché avec 2500 points."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Game game;
    playToEnd(game, c.names, c.s);
    EXPECT_EQ(endMessages(game),
              (std::vector<std::string>{"Brivazon!|Jeu-fin!", std::string("Brivazon!|") + c.text}));
    expectEnded(game);
  }
}

TEST(GameEnd, TheGameGoesOnUntilTheWordCountExceedsNine) {
  Game game;
  game.play(testing_support::toFirstTopic({"Ana", "Bo"}));
  game.play({finalState({"500", "0", "1000"}, "9"), "wait 2000"});
  EXPECT_FALSE(game.ended());
  EXPECT_TRUE(game.messages().empty());
  // The round display stays hidden in the final round.
  EXPECT_FALSE(game.g().lblRound.visible());
  EXPECT_FALSE(game.g().lblQNumber.visible());
  game.play({[](sim::Driver& d) { d.frmGame().lblQNumber.setCaption("10"); }, "wait 5",
             [](sim::Driver& d) {
               EXPECT_EQ(d.messages(), (std::vector<std::string>{"Brivazon!|Jeu-fin!"}));
             },
             "ok",
             [](sim::Driver& d) {
               EXPECT_EQ(d.messages().back(), "Brivazon!|Bo a gagné! Il avait 1000 points.");
               EXPECT_FALSE(d.ended());
             },
             "ok"});
  EXPECT_TRUE(game.ended());
  EXPECT_EQ(game.lines("").back(), "end");
  EXPECT_EQ(game.messages().size(), 2u);
}

TEST(GameEnd, TheEndIsAnnouncedOnceWhileOtherTimersRun) {
  Game game;
  game.play(testing_support::toFirstTopic({"Ana", "Bo"}));
  // The end check waits in its first box; a long wait opens no second one.
  game.play({finalState({"1000", "0", "500"}), "wait 5000",
             [](sim::Driver& d) {
               EXPECT_EQ(d.messages().size(), 1u);
               EXPECT_EQ(d.openBoxes(), 1);
             },
             "ok", "wait 5000",
             [](sim::Driver& d) {
               EXPECT_EQ(d.messages().size(), 2u);
               EXPECT_EQ(d.openBoxes(), 1);
             },
             "ok", "wait 1000"});
  EXPECT_TRUE(game.ended());
  EXPECT_EQ(game.messages().size(), 2u);
}

}  // namespace
