// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The answer countdown, the tick of tmrTimer: fifteen seconds to buzz, six to answer after a
// buzz. When time runs out it reveals the right choice, charges a player who buzzed without
// answering, and starts the next question. Gibberish questions use the tick differently.
#include <array>

#include "game/frm_game.h"
#include "ui/numeric.h"

namespace game {

namespace {
constexpr std::array<std::string_view, 4> kReveal{
    "La réponse correcte était numéro un, ", "La réponse correcte était numéro deux, ",
    "La réponse correcte était numéro trois, ", "La réponse correcte était numéro quatre, "};
}

void FrmGame::revealAnswer() {
  const std::array<ui::Label*, 4> choices{&lblChoice1, &lblChoice2, &lblChoice3, &lblChoice4};
  for (int k = 1; k <= 4; ++k) {
    if (ui::val(answerKey) != k) continue;
    ui::Label& choice = *choices[static_cast<std::size_t>(k - 1)];
    choice.setBackColor(kGreen);
    msgResult =
        runtime().messageBox(join({kReveal[static_cast<std::size_t>(k - 1)], choice.caption()}));
  }
}

void FrmGame::tmrTimer_Timer() {
  if (questionId > 1000) {
    gibberishTick();
    return;
  }
  if (phaseIs("Answer")) {
    if (ui::val(lblTimer.caption()) == 1) {
      lblTimer.setCaption("0");
      tmrTimer.setEnabled(false);
      revealAnswer();
      msgResult = runtime().messageBox("Tu ne devrais pas avoir bourdonné dedans!");
      if (curPlayer >= 1 && curPlayer <= 3) {
        changeScore(curPlayer, -ui::val(lblValue.caption()), kRed);
        tmrMonColor.setEnabled(true);
      }
      lblTimer.hide();
      lblCheckpoint.setCaption("CTopic");
    } else {
      lblTimer.setCaption(ui::num(ui::Int(ui::val(lblTimer.caption())) - 1));
    }
  }
  // Read anew: a tick that ended the answer time has moved the phase on.
  if (phaseIs("Question") && ui::val(lblr.caption()) < 15) {
    if (ui::val(lblTimer.caption()) == 1) {
      lblTimer.setCaption("0");
      tmrTimer.setEnabled(false);
      revealAnswer();
      tmrMonColor.setEnabled(true);
      lblTimer.hide();
      lblCheckpoint.setCaption("CTopic");
    } else {
      if (!lblTimer.visible()) lblTimer.show();
      lblTimer.setCaption(ui::num(ui::Int(ui::val(lblTimer.caption())) - 1));
    }
  }
}

}  // namespace game
