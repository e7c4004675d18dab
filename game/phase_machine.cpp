// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The phase machine: the reaction to every write of the phase into lblCheckpoint.
//
// Four independent tests run in order, each reading the phase anew: the topic prompt and the
// next question's draw when the next topic is due (prompt first, so it is on screen before the
// draw), the prompt's end on the title card, and the question screen.
#include "game/frm_game.h"
#include "ui/numeric.h"

namespace game {

void FrmGame::lblCheckpoint_Change() {
  if (phaseIs(phase::kNextTopic)) showTopicPrompt();
  if (phaseIs(phase::kTopic)) lblAPlayer.hide();
  if (phaseIs(phase::kNextTopic)) advanceAndDraw();
  if (phaseIs(phase::kQuestion)) {
    if (finalRound())
      showFinalRound();
    else
      showQuestion();
  }
}

void FrmGame::showTopicPrompt() {
  for (ui::Label* l : {&lblTimer, &lblQuestion, &lblChoice1, &lblChoice2, &lblChoice3, &lblChoice4,
                       &lblFor, &lblValue})
    l->hide();
  // The prompt names a player drawn afresh for every question; any seat may answer it.
  std::int16_t seat = draw(playerCount);
  if (playerCount == 1) {
    lblAPlayer.setCaption(text::kChooseTopic);
  } else if (playerCount == 2) {
    // The second of two players sits at the right seat.
    if (seat == 1) lblAPlayer.setCaption(join({lblName10.caption(), text::kChoosesTopic}));
    if (seat == 2) lblAPlayer.setCaption(join({lblName30.caption(), text::kChoosesTopic}));
  } else if (playerCount == 3) {
    if (seat >= 1 && seat <= 3)
      lblAPlayer.setCaption(join({nameTag(seat).caption(), text::kChoosesTopic}));
  }
  lblAPlayer.show();
  lblQuestion.hide();
  for (ui::Label* l : {&lblTopic1, &lblTopic2, &lblTopic3, &lbl1, &lbl2, &lbl3})
    l->show();
  lbl4.hide();
}

void FrmGame::showFinalRound() {
  questionId = 0;
  choice1 = choice2 = choice3 = choice4 = answerKey = "0";
  finalUsed6 = finalUsed7 = finalUsed8 = finalUsed9 = 0;
  questionValue = 0;
  // From here on lblQNumber counts the final round's words.
  lblQNumber.setCaption("0");
  lblTimer.setCaption("0");
  lblValue.setCaption("0");
  for (ui::Label* l : {&lblRound, &lblQNumber, &lblTimer, &lblFor, &lblValue, &lblAPlayer,
                       &lblQuestion, &lbl1, &lbl2, &lbl3, &lbl4, &lblChoice1, &lblChoice2,
                       &lblChoice3, &lblChoice4, &lblTopic1, &lblTopic2, &lblTopic3})
    l->hide();
  finalWord = draw(9);
  lblBrivazon.show();
  tmrPost.setEnabled(true);
}

void FrmGame::showQuestion() {
  lblTopic1.hide();
  lblTopic2.hide();
  lblTopic3.hide();
  lblQuestion.setCaption(questionText);
  if (!isGibberish()) {
    for (ui::Label* l : {&lbl1, &lbl2, &lbl3, &lbl4})
      l->show();
    const auto labels = choiceLabels();
    const auto texts = choiceTexts();
    for (std::size_t i = 0; i < labels.size(); ++i)
      labels[i]->setCaption(*texts[i]);
    // Yellow again clears the green or red of the last reveal.
    for (ui::Label* l : labels) {
      l->setBackColor(kYellowChoice);
      l->show();
    }
    lblTimer.setCaption("15");
    lblTimer.show();
  } else {
    // Doubled from question 8 on: the round display only turns to "2" once question 8 is
    // on screen, after this layout, so it cannot tell the round here.
    const bool secondRound = ui::val(lblQNumber.caption()) == 2 || questionNumber() >= 8;
    lblValue.setCaption(ui::num(secondRound ? questionValue * 2 : questionValue));
    lblTimer.setCaption("30");
    tmrTimer.setEnabled(true);
    for (ui::Label* l : {&lbl1, &lbl2, &lbl3, &lbl4})
      l->hide();
  }
  lblFor.show();
  lblValue.show();
  lblQuestion.show();
}

}  // namespace game
