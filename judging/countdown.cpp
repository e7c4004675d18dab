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

void FrmGame::revealAnswer() {
  const auto labels = choiceLabels();
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (ui::val(answerKey) != static_cast<double>(i + 1)) continue;
    labels[i]->setBackColor(kGreen);
    msgResult = runtime().messageBox(
        join({text::kTimedOutAnswer, kChoiceWords[i], ", ", labels[i]->caption()}));
  }
}

void FrmGame::chargeSilentBuzz() {
  msgResult = runtime().messageBox(text::kBuzzedTooEarly);
  if (curPlayer >= 1 && curPlayer <= 3) {
    changeScore(curPlayer, -ui::val(lblValue.caption()), kRed);
    tmrMonColor.setEnabled(true);
  }
}

void FrmGame::countdownEnds(bool buzzed) {
  lblTimer.setCaption("0");
  tmrTimer.setEnabled(false);
  revealAnswer();
  if (buzzed)
    chargeSilentBuzz();
  else
    tmrMonColor.setEnabled(true);
  lblTimer.hide();
  setPhase(phase::kNextTopic);
}

void FrmGame::tmrTimer_Timer() {
  if (isGibberish()) {
    gibberishTick();
    return;
  }
  if (phaseIs(phase::kAnswer)) {
    if (ui::val(lblTimer.caption()) == 1)
      countdownEnds(true);
    else
      lblTimer.setCaption(ui::num(ui::Int(ui::val(lblTimer.caption())) - 1));
  }
  // Read anew: a tick that ended the answer time has moved the phase on.
  if (phaseIs(phase::kQuestion) && beforeFinalRound()) {
    if (ui::val(lblTimer.caption()) == 1) {
      countdownEnds(false);
    } else {
      if (!lblTimer.visible()) lblTimer.show();
      lblTimer.setCaption(ui::num(ui::Int(ui::val(lblTimer.caption())) - 1));
    }
  }
}

}  // namespace game
