// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game tells the backends about the table: the seats in play with their buzz keys,
// players and score labels, the name of the screen showing, and the key a tap at a place or a
// gamepad's button stands for, from the count question to a question on screen and its answer.
#include <string>
#include <vector>

#include "tests/support.h"
#include "ui/gamepad.h"
#include "ui/pointer.h"

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

// Where a tap lands: a label's centre, or a point beside it, in the window's pixels.
struct Tap {
  const ui::Element* at = nullptr;  // none: (dx, dy) alone, from the window's top left
  float dx = 0, dy = 0;             // pixels from the label's centre
  float minTarget = 0;
};

// The keys taps stand for now, one character each ('.' for none).
std::string tapped(Game& game, const std::vector<Tap>& taps) {
  std::string out;
  for (const Tap& tap : taps) {
    const ui::Element* e = tap.at;
    const char32_t key = ui::keyAt(
        table(game), tap.dx + (e ? e->left() + e->width() / 2 : 0) / ui::kTwipsPerPixel,
        tap.dy + (e ? e->top() + e->height() / 2 : 0) / ui::kTwipsPerPixel, tap.minTarget);
    out += key ? static_cast<char>(key) : '.';
  }
  return out;
}

// What the pads stand for now: each one's seat in connection order ('-' for none), then the
// keys of `pad`'s buttons in the browsers' standard mapping, by index from -1 ('.' for none,
// 'E' for Enter).
std::string padState(const ui::PadSeats& pads, int pad) {
  std::string out;
  for (int p : pads.pads())
    out += pads.seatOf(p) ? static_cast<char>(pads.seatOf(p)) : '-';
  out += ' ';
  for (int i = -1; i <= 16; ++i) {
    const std::optional<ui::Key> key = pads.keyOf(pad, ui::standardButton(i));
    out += !key ? '.' : key->kind == ui::Key::Kind::Enter ? 'E' : static_cast<char>(key->ch);
  }
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
    game::FrmGame& g = game.g();
    EXPECT_TRUE(table(game).seats.empty()) << "no seat is in play before the count";
    // A pad for each seat and one more, plugged in before the count: no seat yet.
    ui::PadSeats pads;
    for (std::size_t i = 0; i <= names.size(); ++i)
      pads.connected(static_cast<int>(20 - i));
    pads.connected(20);
    pads.follow(table(game));
    EXPECT_EQ(padState(pads, 20), std::string(names.size() + 1, '-') + " .4321.....E..1423.")
        << "no buzz without a seat";
    EXPECT_FALSE(pads.keyOf(5, ui::PadButton::Start)) << "an unknown pad";
    EXPECT_EQ(table(game).screen, "Nombre de joueurs");
    // A badge is its digit, grown to a finger's size about its centre; the band is no zone yet.
    const float edge = g.lbl1P.width() / ui::kTwipsPerPixel / 2 + 2;
    EXPECT_EQ(tapped(game, {{&g.lbl1P},
                            {&g.lbl2P},
                            {&g.lbl3P},
                            {&g.lbl1P, -edge, 0, 44},
                            {&g.lbl1P, -edge},
                            {&g.lblB},
                            {nullptr, -20, 400}}),
              "1231...");

    std::vector<sim::Step> steps = toFirstTopic(names);
    steps.pop_back();  // the wait through the welcome card
    game.play(std::vector<sim::Step>(steps.begin() + 2, steps.begin() + 4));
    EXPECT_EQ(keys(table(game)), seats);
    EXPECT_EQ(table(game).screen, "Noms des joueurs");
    EXPECT_EQ(table(game).seats[0].player, "") << "a name is the player's once typed";
    EXPECT_EQ(tapped(game, {{&g.lbl2P}, {&g.txtInput}}), "..") << "keys go to the name box";
    // The pads take the seats in the order they were plugged in; the one left over waits.
    pads.follow(table(game));
    std::string inOrder;
    for (const ui::Seat& seat : table(game).seats)
      inOrder += static_cast<char>(seat.buzzKey);
    EXPECT_EQ(padState(pads, 20), inOrder + "- .4321" + std::string(4, inOrder[0]) + ".E..1423.");
    // A pad cannot type in the name box, nor take the keyboard from it.
    padKeyPress(game.driver().runtime(), *pads.keyOf(20, ui::PadButton::FaceTop));
    EXPECT_EQ(g.txtInput.text(), "");
    // Unplugged, a pad leaves its seat to the one waiting; a pad plugged in later waits.
    pads.disconnected(20);
    pads.connected(30);
    EXPECT_EQ(padState(pads, 30), inOrder.substr(1) + inOrder[0] + "- .4321.....E..1423.");

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

    // A topic is its number or its title; nothing else on screen is a key.
    EXPECT_EQ(tapped(game, {{&g.lblTopic2}, {&g.lbl3}, {&g.lbl1}, {&g.lblQ}, {&g.lblAPlayer}}),
              "231..");

    // A pad's face button chooses the topic as its digit would.
    const int face = 4 - std::stoi(testing_support::ordinaryTopic(g));  // 3 top, 2 left, 1 right
    padKeyPress(game.driver().runtime(), *pads.keyOf(30, ui::standardButton(face)));
    playUntil(game, [&] { return game.phase() == "Question"; });
    EXPECT_EQ(table(game).screen, "Question");
    // Each seat's zone covers its name and score and the margin on its side and below; the
    // choices and the margin above are no key.
    const std::string buzz = keys(t).substr(1, 1), last = keys(t).substr(keys(t).size() - 2, 1);
    for (const ui::Seat& s : t.seats)
      EXPECT_EQ(tapped(game, {{s.score}, {s.name}, {s.score, 0, 200}}),
                std::string(3, static_cast<char>(s.buzzKey)));
    EXPECT_EQ(tapped(game, {{nullptr, -30, 20},
                            {nullptr, 700, 20},
                            {nullptr, 10, -5},
                            {&g.lblChoice4},
                            {&g.lblQuestion}}),
              buzz + last + "...");

    // Once a player buzzed (by the trigger of the pad on the first seat), a choice is its
    // number or its text, as one target.
    const int first = 20 - static_cast<int>(names.size());
    padKeyPress(game.driver().runtime(), *pads.keyOf(first, ui::PadButton::Trigger));
    const float gap =
        (g.lbl2.width() / 2 + (g.lblChoice2.left() - g.lbl2.left() - g.lbl2.width()) / 2);
    EXPECT_EQ(tapped(game, {{&g.lblChoice4},
                            {&g.lbl1},
                            {&g.lbl2, gap / ui::kTwipsPerPixel},
                            {&g.lblChoice3},
                            {t.seats[0].score}}),
              "4123.");
  }
}

}  // namespace
