// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The gibberish question: the value drains every second while nobody types, three clues appear
// as it falls, and the first player to buzz gets the answer box and twenty seconds. The verdict
// travels from the box's Enter to tmrGAnswer through the box's colour: green right, red wrong.
#include <array>

#include "game/frm_game.h"
#include "judging/typed_answer.h"
#include "ui/numeric.h"

namespace game {

namespace {

struct Drain {
  double step;
  std::array<double, 3> clueBelow;
};

// By round (lblQNumber 1 or 2): the clues come after 11, 21 and 31 drained seconds in both.
constexpr std::array<Drain, 2> kDrain{{{100, {4000, 3000, 2000}}, {200, {8000, 6000, 4000}}}};

}  // namespace

void FrmGame::gibberishTick() {
  if (!phaseIs(phase::kQuestion)) return;
  if (!txtGAnswer.visible()) {
    const double round = ui::val(lblQNumber.caption());
    if (round == 1 || round == 2) {
      const Drain& d = kDrain[round == 1 ? 0 : 1];
      lblValue.setCaption(ui::num(ui::Int(ui::val(lblValue.caption())) - d.step));
      const double value = ui::val(lblValue.caption());
      const std::array<ui::Label*, 3> clues{&lblClue1, &lblClue2, &lblClue3};
      const std::array<const ui::Text*, 3> texts{&finalOrder1, &finalOrder2, &finalOrder3};
      for (std::size_t k = 0; k < clues.size(); ++k) {
        if (value < d.clueBelow[k]) {
          clues[k]->setCaption(*texts[k]);
          clues[k]->show();
        }
      }
    }
    if (ui::val(lblValue.caption()) <= 0) {
      // Nothing is left to win: the countdown stops here and the reveal pause takes over.
      tmrTimer.setEnabled(false);
      msgResult = runtime().messageBox(text::kTooBad);
      lblValue.hide();
      lblValue.setCaption("0");
      txtGAnswer.setEnabled(false);
      txtGAnswer.setText(answerKey);
      txtGAnswer.show();
      curPlayer = 0;
      tmrGAnswer.setEnabled(true);
    }
  }
  // Typing time runs only while a player can type; the revealed phrase is not typing.
  if (txtGAnswer.visible() && txtGAnswer.enabled()) {
    lblTimer.setCaption(ui::num(ui::Int(ui::val(lblTimer.caption())) - 1));
    if (ui::val(lblTimer.caption()) <= 0) {
      txtGAnswer.setText("");
      txtGAnswer.hide();
      chargeSilentBuzz();
    }
  }
}

void FrmGame::txtGAnswer_KeyDown(int keyCode, int /*shift*/) {
  if (keyCode == ui::kKeyEnter && isGibberish()) {
    tmrTimer.setEnabled(false);
    // Case, inner blanks and punctuation count as the accepted forms have them; accents,
    // apostrophes and outer blanks are folded on both sides, so the revealed phrase is right.
    const std::string typed = foldTypedAnswer(txtGAnswer.text());
    bool right = false;
    for (const ui::Text* form : {&choice1, &choice2, &choice3, &choice4})
      right = right || typed == foldTypedAnswer(*form);
    txtGAnswer.setEnabled(false);
    if (right) txtGAnswer.setText(answerKey);
    txtGAnswer.setBackColor(right ? kGreen : kRed);
    tmrGAnswer.setEnabled(true);
  }
  if (keyCode == ui::kKeyEscape) runtime().quit();
}

void FrmGame::tmrGAnswer_Timer() {
  if (!isGibberish()) return;
  auto hideClues = [this] {
    lblClue1.hide();
    lblClue2.hide();
    lblClue3.hide();
  };
  // The reveal pause after the value ran out counts its seconds in the hidden value label.
  if (curPlayer == 0) {
    lblValue.setCaption(ui::num(ui::val(lblValue.caption()) + 1));
    if (ui::val(lblValue.caption()) >= 8) {
      txtGAnswer.setBackColor(kWhiteBox);
      txtGAnswer.hide();
      hideClues();
      // Stopped here, or a pause left over would throw away the next gibberish question.
      tmrGAnswer.setEnabled(false);
      setPhase(phase::kNextTopic);
    }
  }
  const std::optional<ui::Color> verdict = txtGAnswer.backColor();
  if (verdict == kGreen) {
    changeScore(curPlayer, ui::val(lblValue.caption()), kGreen);
    tmrMonColor.setEnabled(true);
    runtime().beep();
    txtGAnswer.setBackColor(kWhiteBox);
    txtGAnswer.hide();
    hideClues();
    txtGAnswer.setText("");
    tmrGAnswer.setEnabled(false);
    setPhase(phase::kNextTopic);
  } else if (verdict == kRed) {
    changeScore(curPlayer, -ui::val(lblValue.caption()), kRed);
    tmrMonColor.setEnabled(true);
    txtGAnswer.setBackColor(kWhiteBox);
    txtGAnswer.hide();
    txtGAnswer.setText("");
    tmrTimer.setEnabled(true);
  }
}

}  // namespace game
