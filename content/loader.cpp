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

namespace {

// The current-question variables from a record. A chosen final category overrides the title
// and value a record loads in the same tick.
void loadQuestion(FrmGame& f, std::string_view topic, std::string_view text,
                  const std::array<std::string_view, 4>& choices, std::string_view answer,
                  int value, bool categoryChosen) {
  if (!categoryChosen) f.topicTitle = topic;
  f.questionText = text;
  f.choice1 = choices[0];
  f.choice2 = choices[1];
  f.choice3 = choices[2];
  f.choice4 = choices[3];
  f.answerKey = answer;
  if (!categoryChosen) f.questionValue = value;
}

void loadRecord(FrmGame& f, bool categoryChosen) {
  if (const content::RegularQuestion* q = content::findRegular(f.questionId)) {
    loadQuestion(f, q->topic, q->question, q->choices, q->right, q->value, categoryChosen);
  } else if (const content::GibberishQuestion* g = content::findGibberish(f.questionId)) {
    loadQuestion(f, g->topic, g->sentence, g->accepted, g->answer, g->value, categoryChosen);
    f.finalOrder1 = g->clues[0];
    f.finalOrder2 = g->clues[1];
    f.finalOrder3 = g->clues[2];
    f.lblG.setCaption("1");
  }
}

// The final round's category: its title, value and words, and the English word to play.
void loadCategory(FrmGame& f, const content::FinalCategory& c) {
  f.topicTitle = c.title;
  f.questionValue = c.value;
  const auto words = f.wordLabels();
  for (std::size_t i = 0; i < words.size(); ++i)
    words[i]->setCaption(c.french[i]);
  if (f.finalWord >= 1 && f.finalWord <= 9) {
    f.lblBrivazon.setCaption(c.english[static_cast<std::size_t>(f.finalWord - 1)]);
    f.presetQ1 = f.finalWord;
  }
}

// The final round lists its three categories, one a tick, keyed by a step counter in
// questionId; the fourth step hands over to the choice.
void nextListedCategory(FrmGame& f) {
  f.questionId = f.questionId + 1;
  const std::array<const ui::Text*, 3> order{&f.finalOrder1, &f.finalOrder2, &f.finalOrder3};
  int number = 0;
  if (f.questionId >= 1 && f.questionId <= 3)
    number = static_cast<int>(ui::val(*order[static_cast<std::size_t>(f.questionId - 1)]));
  f.finalCategory = number;
}

void listCategory(FrmGame& f) {
  const std::array<ui::Label*, 3> topics{&f.lblTopic1, &f.lblTopic2, &f.lblTopic3};
  const std::array<ui::Integer*, 3> ids{&f.topicQ1, &f.topicQ2, &f.topicQ3};
  if (f.questionId >= 1 && f.questionId <= 3) {
    const auto i = static_cast<std::size_t>(f.questionId - 1);
    topics[i]->setCaption(f.topicTitle);
    *ids[i] = f.finalCategory;
  } else if (f.questionId == 4) {
    f.setPhase(phase::kChooseTopic);
  }
}

// The three topics offered: the two start-up presets while the names and the welcome play,
// then the question just drawn.
void offerTopics(FrmGame& f) {
  if (f.phaseIs(phase::kName)) {
    f.lblTopic1.setCaption(f.topicTitle);
    f.topicQ1 = f.presetQ1;
  }
  if (f.phaseIs(phase::kIntro)) {
    f.lblTopic2.setCaption(f.topicTitle);
    f.topicQ2 = f.presetQ2;
  }
  if (f.phaseIs(phase::kNextTopic) && f.beforeFinalRound()) {
    f.lblTopic3.setCaption(f.topicTitle);
    f.topicQ3 = f.questionId;
    f.setPhase(phase::kChooseTopic);
  }
}

}  // namespace

void FrmGame::tmrQList_Timer() {
  if (questionNumber() > 15) lblr.setCaption("15");
  if (phaseIs(phase::kName)) questionId = presetQ1;
  if (phaseIs(phase::kIntro)) questionId = presetQ2;

  const bool listing = finalRound() && phaseIs(phase::kNextTopic);
  if (listing) nextListedCategory(*this);
  const content::FinalCategory* category = content::findCategory(finalCategory);
  // The record is not loaded while the categories are listed.
  if (!listing) loadRecord(*this, category != nullptr);
  if (category) loadCategory(*this, *category);
  if (listing) listCategory(*this);

  if (!isGibberish() && beforeFinalRound()) {
    const double round = ui::val(lblQNumber.caption());
    if (round == 1) lblValue.setCaption(ui::num(questionValue));
    if (round == 2) lblValue.setCaption(ui::num(2 * questionValue));
  }
  offerTopics(*this);
}

}  // namespace game
