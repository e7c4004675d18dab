// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The question schedule: each new question advances the question number and draws exactly one
// new question id, never one offered before in this game.
#include <array>

#include "game/frm_game.h"
#include "ui/numeric.h"

namespace game {

void FrmGame::advanceAndDraw() {
  const int q = static_cast<int>(ui::Int(ui::val(lblr.caption()))) + 1;
  lblr.setCaption(ui::num(q));
  lblG.setCaption("0");

  // The twelve regular questions in order; each draw excludes the start-up presets and every
  // regular draw before it. Questions 3 and 10 are the gibberish ones.
  const std::array<ui::Integer*, 12> regular{&drawQ1,  &drawQ2,  &drawQ4,  &drawQ5,
                                             &drawQ6,  &drawQ7,  &drawQ8,  &drawQ9,
                                             &drawQ11, &drawQ12, &drawQ13, &drawQ14};
  const std::array<int, 12> regularNumber{1, 2, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14};

  if (q == 3) {
    drawQ3 = draw(specialPoolSize) + 1000;
    questionId = drawQ3;
    return;
  }
  if (q == 10) {
    do {
      drawQ10 = draw(specialPoolSize) + 1000;
    } while (drawQ10 == drawQ3);
    questionId = drawQ10;
    return;
  }
  if (q == 15) {
    finalOrder1 = ui::num(draw(finalCategoryCount));
    do {
      finalOrder2 = ui::num(draw(finalCategoryCount));
    } while (finalOrder2 == finalOrder1);
    do {
      finalOrder3 = ui::num(draw(finalCategoryCount));
    } while (finalOrder3 == finalOrder2 || finalOrder3 == finalOrder1);
    lblG.setCaption("2");
    questionId = 0;
    return;
  }
  for (std::size_t slot = 0; slot < regular.size(); ++slot) {
    if (regularNumber[slot] != q) continue;
    std::int16_t id = 0;
    bool taken = true;
    while (taken) {
      id = draw(regularPoolSize);
      taken = id == presetQ1 || id == presetQ2;
      for (std::size_t earlier = 0; earlier < slot; ++earlier)
        taken = taken || id == *regular[earlier];
    }
    *regular[slot] = id;
    questionId = id;
    return;
  }
  // Any other number does not occur in play: the game ends inside question 15.
}

}  // namespace game
