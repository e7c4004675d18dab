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

// The used-marks of the nine words: "1".."5" in five texts, 6..9 in four integers.
constexpr std::array<ui::Text FrmGame::*, 5> kTextMarks{&FrmGame::choice1, &FrmGame::choice2,
                                                        &FrmGame::choice3, &FrmGame::choice4,
                                                        &FrmGame::answerKey};
constexpr std::array<ui::Integer FrmGame::*, 4> kNumberMarks{
    &FrmGame::finalUsed6, &FrmGame::finalUsed7, &FrmGame::finalUsed8, &FrmGame::finalUsed9};

}  // namespace

bool FrmGame::wordFound(int n) const {
  for (auto mark : kTextMarks)
    if (ui::val(this->*mark) == n) return true;
  for (auto mark : kNumberMarks)
    if (this->*mark == n) return true;
  return false;
}

void FrmGame::markWordFound(int n) {
  if (n >= 1 && n <= 5) this->*kTextMarks[static_cast<std::size_t>(n - 1)] = ui::num(n);
  if (n >= 6 && n <= 9) this->*kNumberMarks[static_cast<std::size_t>(n - 6)] = n;
}

bool FrmGame::allWordsFound() const {
  for (int n = 1; n <= 9; ++n)
    if (!wordFound(n)) return false;
  return true;
}

bool FrmGame::drawNextFinalWord() {
  if (allWordsFound()) {
    lblQNumber.setCaption("10");
    return false;
  }
  do {
    finalWord = draw(9);
  } while (wordFound(finalWord));
  return true;
}

void FrmGame::finalBuzz(int keyAscii) {
  const SeatKey* key = seatKey(keyAscii);
  if (!key) return;
  const int seat = key->seat;

  if (ui::val(lblValue.caption()) != presetQ1) {
    changeScore(seat, -500, kRed);
    tmrMonColor.setInterval(1000);
    tmrMonColor.setEnabled(true);
    return;
  }

  markWordFound(presetQ1);
  if (drawNextFinalWord())
    lblQNumber.setCaption(ui::num(ui::Int(ui::val(lblQNumber.caption())) + 1));
  runtime().beep();
  changeScore(seat, 500, kGreen);
  tmrMonColor.setInterval(1000);
  tmrMonColor.setEnabled(true);
}

}  // namespace game
