// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bank's loader, the tick of tmrQList: every millisecond it copies the record named by the
// current key into the current-question variables and, by phase, fills the topic labels, the
// value and the final round's words. Reloading what already stands changes nothing; what moves
// the screen is a new key or a new phase.
#include <array>

#include "content/bank.h"
#include "game/frm_game.h"
#include "ui/numeric.h"

namespace game {

void FrmGame::tmrQList_Timer() {
  const double question = ui::val(lblr.caption());
  if (question > 15) lblr.setCaption("15");
  const bool finalRound = ui::val(lblr.caption()) == 15;

  if (phaseIs("Name")) set(questionId, presetQ1);
  if (phaseIs("Intro")) set(questionId, presetQ2);

  // The final round lists its three categories, one a tick, keyed by a step counter.
  const bool listing = finalRound && phaseIs("CTopic");
  // A chosen final category overrides the title and value a record loads in the same tick;
  // writing only the final value keeps an idle tick free of changes.
  if (listing) {
    set(questionId, questionId + 1);
    const std::array<const std::string*, 3> order{&finalOrder1, &finalOrder2, &finalOrder3};
    int number = 0;
    if (questionId >= 1 && questionId <= 3)
      number = static_cast<int>(ui::val(*order[static_cast<std::size_t>(questionId - 1)]));
    set(finalCategory, number);
  }
  const content::FinalCategory* category = content::findCategory(finalCategory);
  if (listing) {
    // The record is not loaded while the categories are listed.
  } else if (const content::RegularQuestion* q = content::findRegular(questionId)) {
    if (!category) set(topicTitle, q->topic);
    set(questionText, q->question);
    set(choice1, q->choices[0]);
    set(choice2, q->choices[1]);
    set(choice3, q->choices[2]);
    set(choice4, q->choices[3]);
    set(answerKey, q->right);
    if (!category) set(questionValue, q->value);
  } else if (const content::GibberishQuestion* g = content::findGibberish(questionId)) {
    if (!category) set(topicTitle, g->topic);
    set(questionText, g->sentence);
    set(choice1, g->accepted[0]);
    set(choice2, g->accepted[1]);
    set(choice3, g->accepted[2]);
    set(choice4, g->accepted[3]);
    set(answerKey, g->answer);
    if (!category) set(questionValue, g->value);
    set(finalOrder1, g->clues[0]);
    set(finalOrder2, g->clues[1]);
    set(finalOrder3, g->clues[2]);
    lblG.setCaption("1");
  }

  if (const content::FinalCategory* c = category) {
    set(topicTitle, c->title);
    set(questionValue, c->value);
    const std::array<ui::Label*, 9> words{&lblCA, &lblCB, &lblCC, &lblCD, &lblCE,
                                          &lblCF, &lblCG, &lblCH, &lblCI};
    for (std::size_t i = 0; i < words.size(); ++i)
      words[i]->setCaption(c->french[i]);
    if (finalWord >= 1 && finalWord <= 9) {
      lblBrivazon.setCaption(c->english[static_cast<std::size_t>(finalWord - 1)]);
      set(presetQ1, finalWord);
    }
  }

  if (listing) {
    if (questionId == 1) {
      lblTopic1.setCaption(topicTitle);
      set(topicQ1, finalCategory);
    } else if (questionId == 2) {
      lblTopic2.setCaption(topicTitle);
      set(topicQ2, finalCategory);
    } else if (questionId == 3) {
      lblTopic3.setCaption(topicTitle);
      set(topicQ3, finalCategory);
    } else if (questionId == 4) {
      lblCheckpoint.setCaption("CTopic1");
    }
  }

  if (questionId <= 1000 && ui::val(lblr.caption()) < 15) {
    const double round = ui::val(lblQNumber.caption());
    if (round == 1) lblValue.setCaption(ui::num(questionValue));
    if (round == 2) lblValue.setCaption(ui::num(2 * questionValue));
  }

  if (phaseIs("Name")) {
    lblTopic1.setCaption(topicTitle);
    set(topicQ1, presetQ1);
  }
  if (phaseIs("Intro")) {
    lblTopic2.setCaption(topicTitle);
    set(topicQ2, presetQ2);
  }
  if (phaseIs("CTopic") && ui::val(lblr.caption()) < 15) {
    lblTopic3.setCaption(topicTitle);
    set(topicQ3, questionId);
    lblCheckpoint.setCaption("CTopic1");
  }
}

}  // namespace game
