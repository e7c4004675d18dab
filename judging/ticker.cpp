// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The final round's word ticker, the tick of tmrPost: every 1.5 s one of the nine French words
// flashes up, never the same twice in a row; after seven flashes a tick shows none, gives the
// word up, counts it and draws the next word to play.
#include <array>

#include "game/frm_game.h"
#include "ui/numeric.h"

namespace game {

void FrmGame::tmrPost_Timer() {
  const auto words = wordLabels();
  lblTimer.setCaption(ui::num(ui::Int(ui::val(lblTimer.caption())) + 1));
  if (ui::val(lblTimer.caption()) == 8) {
    for (ui::Label* w : words)
      w->hide();
    lblTimer.setCaption("0");
    lblQNumber.setCaption(ui::num(ui::Int(ui::val(lblQNumber.caption())) + 1));
    drawNextFinalWord();
    return;
  }
  do {
    finalShown = draw(9);
  } while (finalShown == ui::val(lblValue.caption()));
  lblValue.setCaption(ui::num(finalShown));
  for (std::size_t i = 0; i < words.size(); ++i)
    words[i]->setVisible(static_cast<int>(i) + 1 == finalShown);
}

}  // namespace game
