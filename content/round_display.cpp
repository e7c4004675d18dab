// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The round display and the end of the game, the tick of tmrQNumber: every 5 ms it brings
// "Rond" and the round number, and the window's colour, into step with the question number,
// and once the final round has played its ten words it announces the result and ends the game.
#include <array>

#include "game/frm_game.h"
#include "ui/numeric.h"

namespace game {

void FrmGame::tmrQNumber_Timer() {
  const double n = ui::val(lblr.caption());
  if (n > 0 && n <= 7) {
    if (!lblRound.visible()) lblRound.show();
    if (!lblQNumber.visible()) lblQNumber.show();
    if (phaseIs(phase::kQuestion) && backColor() == kRound2Colour) setBackColor(kRound1Colour);
    lblQNumber.setCaption("1");
  }
  // The second round shows once question 8 is on screen, not while its topic is chosen.
  if (n > 7 && n <= 14 && phaseIs(phase::kQuestion)) {
    if (backColor() == kRound1Colour) setBackColor(kRound2Colour);
    if (ui::val(lblQNumber.caption()) == 1) lblQNumber.setCaption("2");
  }
  if (n == 15) {
    lblRound.hide();
    lblQNumber.hide();
    if (phaseIs(phase::kQuestion) && backColor() == kRound2Colour) setBackColor(kFinalColour);
    if (ui::val(lblQNumber.caption()) > 9) announceResult();
  }
}

namespace {

// The end messages, by player count: when each applies to the three scores (left, middle,
// right), what it says and of which seats. Every message that applies is shown, in this order.
enum class Says { Solo, Won, Tied, AllTied };

struct EndMessage {
  int players;
  bool (*applies)(double left, double middle, double right);
  Says says;
  int seat;
  int other;  // the second seat of a tie
};

constexpr std::array<EndMessage, 11> kEndMessages{{
    {1, [](double, double, double) { return true; }, Says::Solo, 2, 0},
    {2, [](double l, double, double r) { return l > r; }, Says::Won, 1, 0},
    {2, [](double l, double, double r) { return r > l; }, Says::Won, 3, 0},
    {2, [](double l, double, double r) { return l == r; }, Says::AllTied, 1, 0},
    {3, [](double l, double m, double r) { return l > m && l > r; }, Says::Won, 1, 0},
    {3, [](double l, double m, double r) { return m > l && m > r; }, Says::Won, 2, 0},
    {3, [](double l, double m, double r) { return r > l && r > m; }, Says::Won, 3, 0},
    // Two seats tied at the top are named left-middle, middle-right or right-left.
    {3, [](double l, double m, double r) { return l == m && l > r; }, Says::Tied, 1, 2},
    {3, [](double l, double m, double r) { return m == r && m > l; }, Says::Tied, 2, 3},
    {3, [](double l, double m, double r) { return r == l && r > m; }, Says::Tied, 3, 1},
    // A three-way tie is announced like a two-player tie rather than left unsaid.
    {3, [](double l, double m, double r) { return l == m && m == r; }, Says::AllTied, 1, 0},
}};

}  // namespace

void FrmGame::announceResult() {
  msgResult = runtime().messageBox(text::kGameOver);
  const double left = ui::Int(ui::val(lblQ.caption()));
  const double middle = ui::Int(ui::val(lblB.caption()));
  const double right = ui::Int(ui::val(lblP.caption()));
  auto announce = [&](const EndMessage& m) {
    if (m.players != playerCount || !m.applies(left, middle, right)) return;
    const std::string_view score = scoreLabel(m.seat).caption();
    const std::string_view name = nameTag(m.seat).caption();
    switch (m.says) {
      case Says::Solo:
        msgResult = runtime().messageBox(join({text::kSoloWon, score, text::kPoints}));
        break;
      case Says::Won:
        msgResult = runtime().messageBox(join({name, text::kWon, score, text::kPoints}));
        break;
      case Says::Tied:
        msgResult = runtime().messageBox(
            join({name, " ", nameTag(m.other).caption(), text::kTied, score, text::kPoints}));
        break;
      case Says::AllTied:
        msgResult = runtime().messageBox(join({text::kAllTied, score, text::kPoints}));
        break;
    }
  };
  for (const EndMessage& m : kEndMessages)
    announce(m);
  runtime().quit();
}

}  // namespace game
