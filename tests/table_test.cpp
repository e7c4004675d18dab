// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game tells the backends about the table: the seats in play with their buzz keys,
// players and score labels, and the name of the screen showing, from the count question to a
// question on screen.
#include <string>
#include <vector>

#include "tests/support.h"

namespace {

using testing_support::Game;
using testing_support::toFirstTopic;

ui::Table table(Game& game) {
  return game.driver().brivazon().describeTable();
}

std::string keys(const ui::Table& t) {
  std::string out;
  for (const ui::Seat& s : t.seats)
    out += std::to_string(s.place) + static_cast<char>(s.buzzKey) + " ";
  return out;
}

// Plays on in steps of 10 ms until `done` holds, for at most 20 s of the game's time.
template <class Done>
void playUntil(Game& game, Done done) {
  for (int t = 0; t < 20000 && !done() && !game.ended(); t += 10)
    game.play({"wait 10"});
}

TEST(TableDescription, SeatsInPlayFollowTheCountAndEachSeatIsNamedByItsPlayerAndScore) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"Ana"}, "2b "}, {{"Ana", "Bob"}, "1q 3p "}, {{"Ana", "Bob", "Cy"}, "1q 2b 3p "}};
  for (const auto& [names, seats] : cases) {
    SCOPED_TRACE(seats);
    Game game;
    game.play({"start"});
    EXPECT_TRUE(table(game).seats.empty()) << "no seat is in play before the count";
    EXPECT_EQ(table(game).screen, "Nombre de joueurs");

    std::vector<sim::Step> steps = toFirstTopic(names);
    steps.pop_back();  // the wait through the welcome card
    game.play(std::vector<sim::Step>(steps.begin() + 2, steps.begin() + 4));
    EXPECT_EQ(keys(table(game)), seats);
    EXPECT_EQ(table(game).screen, "Noms des joueurs");
    EXPECT_EQ(table(game).seats[0].player, "") << "a name is the player's once typed";

    game.play(std::vector<sim::Step>(steps.begin() + 4, steps.end()));
    playUntil(game, [&] { return game.card() && game.card()->visible(); });
    EXPECT_EQ(table(game).screen, "Carton d'annonce");
    playUntil(game, [&] { return game.phase() == "CTopic1"; });
    const ui::Table t = table(game);
    EXPECT_EQ(t.screen, "Choix du sujet");
    ASSERT_EQ(t.seats.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
      EXPECT_EQ(t.seats[i].player, names[i]);
      EXPECT_EQ(t.seats[i].score, &game.g().scoreLabel(t.seats[i].place));
    }

    game.play({"key 1"});
    playUntil(game, [&] { return game.phase() == "Question"; });
    EXPECT_EQ(table(game).screen, "Question");
  }
}

}  // namespace
