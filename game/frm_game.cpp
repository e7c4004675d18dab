// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window's construction, start-up, shut-down and score labels.
#include "game/frm_game.h"

#include "game/brivazon.h"
#include "game/inventory.h"
#include "ui/numeric.h"

namespace game {

FrmGame::FrmGame(ui::Runtime& runtime, Brivazon& brivazon)
    : ui::Form(runtime, kFrmGame), brivazon_(brivazon) {
  lblCheckpoint.onChange(ui::bind<&FrmGame::lblCheckpoint_Change>(this));
  lblQ.onChange(ui::bind<&FrmGame::lblQ_Change>(this));
  lblB.onChange(ui::bind<&FrmGame::lblB_Change>(this));
  lblP.onChange(ui::bind<&FrmGame::lblP_Change>(this));
  lblName10.onChange(ui::bind<&FrmGame::lblName10_Change>(this));
  lblName20.onChange(ui::bind<&FrmGame::lblName20_Change>(this));
  lblName30.onChange(ui::bind<&FrmGame::lblName30_Change>(this));
  txtInput.onKeyDown(ui::bindKey<&FrmGame::txtInput_KeyDown>(this));
  txtGAnswer.onKeyDown(ui::bindKey<&FrmGame::txtGAnswer_KeyDown>(this));

  tmrPost.onTimer(ui::bind<&FrmGame::tmrPost_Timer>(this));
  tmrGAnswer.onTimer(ui::bind<&FrmGame::tmrGAnswer_Timer>(this));
  tmrMonColor.onTimer(ui::bind<&FrmGame::tmrMonColor_Timer>(this));
  tmrTimer.onTimer(ui::bind<&FrmGame::tmrTimer_Timer>(this));
  tmrQList.onTimer(ui::bind<&FrmGame::tmrQList_Timer>(this));
  tmrQNumber.onTimer(ui::bind<&FrmGame::tmrQNumber_Timer>(this));
  tmrName1.onTimer(ui::bind<&FrmGame::tmrName1_Timer>(this));
  tmrName2.onTimer(ui::bind<&FrmGame::tmrName2_Timer>(this));
  tmrName3.onTimer(ui::bind<&FrmGame::tmrName3_Timer>(this));
  tmrP1Anim.onTimer(ui::bind<&FrmGame::tmrP1Anim_Timer>(this));
  tmrP2Anim.onTimer(ui::bind<&FrmGame::tmrP2Anim_Timer>(this));
  tmrP3Anim.onTimer(ui::bind<&FrmGame::tmrP3Anim_Timer>(this));
  // The loader and the round display only bring the screen into step with the state.
  tmrQList.setPolling(true);
  tmrQNumber.setPolling(true);
}

std::vector<ui::VariableRef> FrmGame::variables() const {
  // Sorted by name in plain byte order; msgResult is never read and not listed.
  return {
      {"answerKey", nullptr, &answerKey.value()},
      {"choice1", nullptr, &choice1.value()},
      {"choice2", nullptr, &choice2.value()},
      {"choice3", nullptr, &choice3.value()},
      {"choice4", nullptr, &choice4.value()},
      {"curPlayer", &curPlayer.value()},
      {"drawQ1", &drawQ1.value()},
      {"drawQ10", &drawQ10.value()},
      {"drawQ11", &drawQ11.value()},
      {"drawQ12", &drawQ12.value()},
      {"drawQ13", &drawQ13.value()},
      {"drawQ14", &drawQ14.value()},
      {"drawQ2", &drawQ2.value()},
      {"drawQ3", &drawQ3.value()},
      {"drawQ4", &drawQ4.value()},
      {"drawQ5", &drawQ5.value()},
      {"drawQ6", &drawQ6.value()},
      {"drawQ7", &drawQ7.value()},
      {"drawQ8", &drawQ8.value()},
      {"drawQ9", &drawQ9.value()},
      {"finalCategory", &finalCategory.value()},
      {"finalCategoryCount", &finalCategoryCount.value()},
      {"finalOrder1", nullptr, &finalOrder1.value()},
      {"finalOrder2", nullptr, &finalOrder2.value()},
      {"finalOrder3", nullptr, &finalOrder3.value()},
      {"finalShown", &finalShown.value()},
      {"finalUsed6", &finalUsed6.value()},
      {"finalUsed7", &finalUsed7.value()},
      {"finalUsed8", &finalUsed8.value()},
      {"finalUsed9", &finalUsed9.value()},
      {"finalWord", &finalWord.value()},
      {"playerCount", &playerCount.value()},
      {"presetQ1", &presetQ1.value()},
      {"presetQ2", &presetQ2.value()},
      {"questionId", &questionId.value()},
      {"questionText", nullptr, &questionText.value()},
      {"questionValue", &questionValue.value()},
      {"regularPoolSize", &regularPoolSize.value()},
      {"specialPoolSize", &specialPoolSize.value()},
      {"topicQ1", &topicQ1.value()},
      {"topicQ2", &topicQ2.value()},
      {"topicQ3", &topicQ3.value()},
      {"topicTitle", nullptr, &topicTitle.value()},
  };
}

void FrmGame::Form_Load() {
  // The random generator is seeded by the backend before the window exists: from the clock in
  // play, from the scenario's seed in the runner.
  regularPoolSize = 36;
  specialPoolSize = 6;
  finalCategoryCount = 3;
  lblr.setCaption("0");
  presetQ1 = draw(regularPoolSize);
  do {
    presetQ2 = draw(regularPoolSize);
  } while (presetQ2 == presetQ1);
  playerCount = 0;
  curPlayer = 0;
  drawQ1 = drawQ2 = drawQ4 = drawQ5 = drawQ6 = drawQ7 = drawQ8 = drawQ9 = 0;
  drawQ11 = drawQ12 = drawQ13 = drawQ14 = 0;
  setPhase(phase::kPlayerCount);
  txtInput.hide();
  lblPNumber.setCaption(text::kPlayerCount);
  lbl1P.setCaption("1");
  lbl2P.setCaption("2");
  lbl3P.setCaption("3");
  lblQ.setCaption("0");
  lblB.setCaption("0");
  lblP.setCaption("0");
  // The name prompts wait outside the window for their slide-in.
  lblName1.setLeft(4200);
  lblName1.setTop(-500);
  lblName2.setLeft(-1250);
  lblName2.setTop(1950);
  lblName3.setLeft(9600);
  lblName3.setTop(1950);
}

void FrmGame::Form_Unload() {
  runtime().quit();
}

void FrmGame::lblQ_Change() {
  tmrMonColor.setEnabled(true);
}
void FrmGame::lblB_Change() {
  tmrMonColor.setEnabled(true);
}
void FrmGame::lblP_Change() {
  tmrMonColor.setEnabled(true);
}

ui::Label& FrmGame::scoreLabel(int seat) {
  if (seat == 1) return lblQ;
  if (seat == 2) return lblB;
  return lblP;
}

void FrmGame::changeScore(int seat, double amount, ui::Color colour) {
  ui::Label& score = scoreLabel(seat);
  score.setCaption(ui::num(ui::Int(ui::val(score.caption())) + amount));
  score.setBackColor(colour);
}

ui::Label& FrmGame::nameTag(int seat) {
  if (seat == 1) return lblName10;
  if (seat == 2) return lblName20;
  return lblName30;
}

std::int16_t FrmGame::draw(int n) {
  return ui::drawFrom(n, runtime().rnd());
}

double FrmGame::questionNumber() const {
  return ui::val(lblr.caption());
}

std::array<ui::Label*, 4> FrmGame::choiceLabels() {
  return {&lblChoice1, &lblChoice2, &lblChoice3, &lblChoice4};
}

std::array<const ui::Text*, 4> FrmGame::choiceTexts() const {
  return {&choice1, &choice2, &choice3, &choice4};
}

std::array<ui::Label*, 9> FrmGame::wordLabels() {
  return {&lblCA, &lblCB, &lblCC, &lblCD, &lblCE, &lblCF, &lblCG, &lblCH, &lblCI};
}

std::string_view FrmGame::join(std::initializer_list<std::string_view> parts) {
  joined_.clear();
  for (std::string_view p : parts)
    joined_.append(p);
  return joined_;
}

}  // namespace game
