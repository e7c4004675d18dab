// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The title cards' slides, pauses and hand-back to the game window.
#include "content/frm_black.h"

#include "game/brivazon.h"
#include "game/frm_game.h"
#include "game/inventory.h"
#include "ui/numeric.h"

namespace game {

std::unique_ptr<ui::Form> makeFrmBlack(ui::Runtime& runtime, Brivazon& brivazon) {
  return std::make_unique<content::FrmBlack>(runtime, brivazon);
}

}  // namespace game

namespace content {

FrmBlack* loadedFrmBlack(const game::Brivazon& brivazon) {
  return static_cast<FrmBlack*>(brivazon.frmBlackIfLoaded());
}

FrmBlack::FrmBlack(ui::Runtime& runtime, game::Brivazon& brivazon)
    : ui::Form(runtime, game::kFrmBlack), brivazon_(brivazon) {
  tmrPause.onTimer(ui::bind<&FrmBlack::tmrPause_Timer>(this));
  tmrSlide.onTimer(ui::bind<&FrmBlack::tmrSlide_Timer>(this));
}

game::FrmGame& FrmBlack::frmGame() const {
  return brivazon_.frmGame();
}

std::vector<ui::VariableRef> FrmBlack::variables() const {
  return {{"slideStep", &slideStep.value()}};
}

void FrmBlack::Form_Load() {
  game::FrmGame& g = frmGame();
  slideStep = 0;
  lblWelcome.setTop(2520);
  lblQLabel.setTop(-600);
  lblQNumber.setLeft(9750);
  lblQNumber.setCaption(g.lblr.caption());
  tmrSlide.setEnabled(true);
  if (g.phaseIs(game::phase::kIntro)) {
    lblWelcome.setCaption(game::text::kWelcome);
    lblWelcome.show();
  }
  if (g.phaseIs(game::phase::kTopic)) {
    const double question = ui::val(g.lblr.caption());
    // Questions 1 and 8 open a round: its card comes before the question's.
    if (question == 1) {
      lblQLabel.setCaption(game::text::kRound);
      lblQNumber.setCaption("1");
    }
    if (question == 8) {
      lblQLabel.setCaption(game::text::kRound);
      lblQNumber.setCaption("2");
    }
    lblQLabel.show();
    lblQNumber.show();
  }
}

void FrmBlack::Form_KeyPress(int keyAscii) {
  if (keyAscii == ui::kKeyEscape) runtime().quit();
}

void FrmBlack::tmrSlide_Timer() {
  game::FrmGame& g = frmGame();
  if (g.phaseIs(game::phase::kIntro)) {
    // Up to the top, down to the bottom, back to the middle; a leg that ends hands straight on
    // to the next leg's first move in the same tick.
    if (slideStep == 0) {
      lblWelcome.setTop(lblWelcome.top() - 200);
      if (lblWelcome.top() < 200) slideStep = 1;
    }
    if (slideStep == 1) {
      lblWelcome.setTop(lblWelcome.top() + 300);
      if (lblWelcome.top() > 6300) slideStep = 2;
    }
    if (slideStep == 2) {
      lblWelcome.setTop(lblWelcome.top() - 200);
      if (lblWelcome.top() < 2600) slideStep = 3;
    }
    // Re-enabled on every tick once at rest; an enabled timer keeps its schedule, so the
    // pause still ends 2 s after the first enable.
    if (slideStep == 3) tmrPause.setEnabled(true);
  }
  if (g.phaseIs(game::phase::kTopic)) {
    if (lblQLabel.top() < 2150) {
      lblQLabel.setTop(lblQLabel.top() + 300);
    } else if (lblQNumber.left() > 4300) {
      lblQNumber.setLeft(lblQNumber.left() - 300);
    } else {
      tmrPause.setEnabled(true);
      tmrSlide.setEnabled(false);
    }
  }
}

void FrmBlack::tmrPause_Timer() {
  game::FrmGame& g = frmGame();
  // The special titles replace the card's captions in place and hold for two more pauses.
  if (ui::val(g.lblG.caption()) == 1) {
    lblQLabel.setCaption(game::text::kGibberishCard);
    lblQNumber.setCaption(game::text::kGibberishCardName);
    ++slideStep;
    if (slideStep < 3) return;
  }
  if (ui::val(g.lblG.caption()) == 2) {
    lblQLabel.setCaption(game::text::kFinalCard);
    lblQNumber.setCaption(game::text::kFinalCardName);
    ++slideStep;
    if (slideStep < 3) return;
  }
  if (g.phaseIs(game::phase::kTopic)) {
    if (lblQLabel.caption() == game::text::kRound) {
      // The round card has been held: the question's own card slides in, its number from
      // 9650 rather than 9750.
      lblQLabel.setCaption(game::text::kQuestion);
      lblQNumber.setCaption(g.lblr.caption());
      lblQLabel.setTop(-600);
      lblQNumber.setLeft(9650);
      tmrSlide.setEnabled(true);
      tmrPause.setEnabled(false);
      return;
    }
    g.setPhase(game::phase::kQuestion);
    if (g.beforeFinalRound()) g.tmrTimer.setEnabled(true);
  }
  if (g.phaseIs(game::phase::kIntro)) g.setPhase(game::phase::kNextTopic);
  g.show();
  brivazon_.unloadFrmBlack();
}

}  // namespace content
