// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The final round's buzz: any of the three keys, judged against the word on display. A right
// buzz wins 500, retires the word and draws the next one; a wrong buzz costs 500.
#include <array>

#include "game/frm_game.h"
#include "ui/numeric.h"

namespace game {

namespace {

constexpr std::array<std::pair<int, int>, 3> kFinalKeys{{{'q', 1}, {'b', 2}, {'p', 3}}};

}  // namespace

// The used-marks of the nine words: "1".."5" in five strings, 6..9 in four integers.
bool FrmGame::wordFound(int n) const {
  return ui::val(choice1) == n || ui::val(choice2) == n || ui::val(choice3) == n ||
         ui::val(choice4) == n || ui::val(answerKey) == n || finalUsed6 == n || finalUsed7 == n ||
         finalUsed8 == n || finalUsed9 == n;
}

bool FrmGame::allWordsFound() const {
  for (int n = 1; n <= 9; ++n)
    if (!wordFound(n)) return false;
  return true;
}

void FrmGame::finalBuzz(int keyAscii) {
  int seat = 0;
  for (auto [key, s] : kFinalKeys)
    if (key == keyAscii) seat = s;
  if (seat == 0) return;

  if (ui::val(lblValue.caption()) != presetQ1) {
    changeScore(seat, -500, kRed);
    tmrMonColor.setInterval(1000);
    tmrMonColor.setEnabled(true);
    return;
  }

  switch (presetQ1) {
    case 1:
      choice1 = "1";
      break;
    case 2:
      choice2 = "2";
      break;
    case 3:
      choice3 = "3";
      break;
    case 4:
      choice4 = "4";
      break;
    case 5:
      answerKey = "5";
      break;
    case 6:
      finalUsed6 = 6;
      break;
    case 7:
      finalUsed7 = 7;
      break;
    case 8:
      finalUsed8 = 8;
      break;
    case 9:
      finalUsed9 = 9;
      break;
    default:
      break;
  }
  if (allWordsFound()) {
    // No word is left to play: the round is over, and the round display ends the game.
    lblQNumber.setCaption("10");
  } else {
    do {
      finalWord = draw(9);
    } while (wordFound(finalWord));
    lblQNumber.setCaption(ui::num(ui::Int(ui::val(lblQNumber.caption())) + 1));
  }
  runtime().beep();
  changeScore(seat, 500, kGreen);
  tmrMonColor.setInterval(1000);
  tmrMonColor.setEnabled(true);
}

}  // namespace game
