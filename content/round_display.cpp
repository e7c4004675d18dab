// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The round display and the end of the game, the tick of tmrQNumber: every 5 ms it brings
// "Rond" and the round number, and the window's colour, into step with the question number,
// and once the final round has played its ten words it announces the result and ends the game.
#include "game/frm_game.h"
#include "ui/numeric.h"

namespace game {

void FrmGame::tmrQNumber_Timer() {
  const double n = ui::val(lblr.caption());
  if (n > 0 && n <= 7) {
    if (!lblRound.visible()) lblRound.show();
    if (!lblQNumber.visible()) lblQNumber.show();
    if (phaseIs("Question") && backColor() == kRound2Colour) setBackColor(kRound1Colour);
    lblQNumber.setCaption("1");
  }
  // The second round shows once question 8 is on screen, not while its topic is chosen.
  if (n > 7 && n <= 14 && phaseIs("Question")) {
    if (backColor() == kRound1Colour) setBackColor(kRound2Colour);
    if (ui::val(lblQNumber.caption()) == 1) lblQNumber.setCaption("2");
  }
  if (n == 15) {
    lblRound.hide();
    lblQNumber.hide();
    if (phaseIs("Question") && backColor() == kRound2Colour) setBackColor(kFinalColour);
    if (ui::val(lblQNumber.caption()) > 9) announceResult();
  }
}

void FrmGame::announceResult() {
  msgResult = runtime().messageBox("Jeu-fin!");
  const double left = ui::Int(ui::val(lblQ.caption()));
  const double middle = ui::Int(ui::val(lblB.caption()));
  const double right = ui::Int(ui::val(lblP.caption()));
  constexpr std::string_view kWon = " a gagné! Il avait ";
  constexpr std::string_view kTied = " ont attaché avec ";
  constexpr std::string_view kAllTied = "Vous avez attaché avec ";
  constexpr std::string_view kPoints = " points.";
  if (playerCount == 1) {
    msgResult = runtime().messageBox(join({"Tu as gagné ", lblB.caption(), kPoints}));
  } else if (playerCount == 2) {
    if (left > right)
      msgResult = runtime().messageBox(join({lblName10.caption(), kWon, lblQ.caption(), kPoints}));
    if (right > left)
      msgResult = runtime().messageBox(join({lblName30.caption(), kWon, lblP.caption(), kPoints}));
    if (left == right) msgResult = runtime().messageBox(join({kAllTied, lblQ.caption(), kPoints}));
  } else if (playerCount == 3) {
    if (left > middle && left > right)
      msgResult = runtime().messageBox(join({lblName10.caption(), kWon, lblQ.caption(), kPoints}));
    if (middle > left && middle > right)
      msgResult = runtime().messageBox(join({lblName20.caption(), kWon, lblB.caption(), kPoints}));
    if (right > left && right > middle)
      msgResult = runtime().messageBox(join({lblName30.caption(), kWon, lblP.caption(), kPoints}));
    // Two seats tied at the top are named left-middle, middle-right or right-left.
    if (left == middle && left > right)
      msgResult = runtime().messageBox(
          join({lblName10.caption(), " ", lblName20.caption(), kTied, lblQ.caption(), kPoints}));
    if (middle == right && middle > left)
      msgResult = runtime().messageBox(
          join({lblName20.caption(), " ", lblName30.caption(), kTied, lblB.caption(), kPoints}));
    if (right == left && right > middle)
      msgResult = runtime().messageBox(
          join({lblName30.caption(), " ", lblName10.caption(), kTied, lblP.caption(), kPoints}));
    // A three-way tie is announced like a two-player tie rather than left unsaid.
    if (left == middle && middle == right)
      msgResult = runtime().messageBox(join({kAllTied, lblQ.caption(), kPoints}));
  }
  runtime().quit();
}

}  // namespace game
