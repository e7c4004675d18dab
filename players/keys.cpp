// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window's keys: Escape, the player count, the topic choice, the buzz-in and the
// judgement of a multiple-choice answer.
#include <array>

#include "game/brivazon.h"
#include "game/frm_game.h"
#include "ui/numeric.h"

namespace game {

const SeatKey* seatKey(int keyAscii) {
  for (const SeatKey& k : kSeatKeys)
    if (k.key == keyAscii) return &k;
  return nullptr;
}

void FrmGame::Form_KeyPress(int keyAscii) {
  if (keyAscii == ui::kKeyEscape) runtime().quit();
  // Each test reads the phase afresh; a branch that moves the phase never leads into a later
  // branch, so one key is handled once.
  if (phaseIs(phase::kPlayerCount)) playerCountKey(keyAscii);
  if (phaseIs(phase::kChooseTopic)) topicKey(keyAscii);
  if (phaseIs(phase::kAnswer)) answerKeyPress(keyAscii);
  if (phaseIs(phase::kQuestion)) {
    if (finalRound())
      finalBuzz(keyAscii);
    else
      buzzKey(keyAscii);
  }
}

void FrmGame::topicKey(int keyAscii) {
  if (keyAscii < '1' || keyAscii > '3') return;
  const bool isFinal = finalRound();
  const std::array<std::int16_t, 3> ids{topicQ1, topicQ2, topicQ3};
  const std::int16_t chosen = ids[static_cast<std::size_t>(keyAscii - '1')];
  if (isFinal)
    finalCategory = chosen;
  else
    questionId = chosen;
  // The topics below the chosen one move up; the last place keeps its topic.
  if (keyAscii == '1') {
    topicQ1 = topicQ2;
    lblTopic1.setCaption(lblTopic2.caption());
  }
  if (keyAscii <= '2') {
    topicQ2 = topicQ3;
    lblTopic2.setCaption(lblTopic3.caption());
  }
  setPhase(phase::kTopic);
  hide();
  brivazon().frmBlack().show();
  if (!isFinal && !isGibberish()) lblG.setCaption("0");
}

void FrmGame::buzzKey(int keyAscii) {
  const SeatKey* k = seatKey(keyAscii);
  if (!k) return;
  if (playerCount < 0 || playerCount > 3 || !k->inPlay[static_cast<std::size_t>(playerCount)])
    return;
  // Once the typed answer is revealed or judged, the box stays shown but disabled until the
  // question moves on; a buzz then would reopen it or take the verdict away.
  if (isGibberish() && txtGAnswer.visible() && !txtGAnswer.enabled()) return;
  curPlayer = k->seat;
  lblAPlayer.setCaption(join({text::kAnswers, nameTag(k->seat).caption()}));
  lblAPlayer.show();
  if (!isGibberish()) {
    setPhase(phase::kAnswer);
    lblTimer.setCaption("6");
  } else {
    // The reveal after a run-out hides the box with the phrase still in it: a box that opens
    // again starts empty, or the buzzing player's answer would follow the old phrase.
    if (!txtGAnswer.visible()) txtGAnswer.setText("");
    txtGAnswer.setEnabled(true);
    txtGAnswer.show();
    lblTimer.setCaption("20");
  }
}

void FrmGame::answerKeyPress(int keyAscii) {
  if (keyAscii < '1' || keyAscii > '4') return;
  const int k = keyAscii - '0';
  const double right = ui::val(answerKey);
  const double value = ui::val(lblValue.caption());
  const auto labels = choiceLabels();
  const auto texts = choiceTexts();

  tmrTimer.setEnabled(false);
  if (k != right) {
    changeScore(curPlayer, -value, kRed);
    labels[static_cast<std::size_t>(k - 1)]->setBackColor(kRed);
    msgResult = runtime().messageBox(kWrongVerdict);
    for (int n = 1; n <= 4; ++n) {
      if (n != right) continue;
      const auto i = static_cast<std::size_t>(n - 1);
      labels[i]->setBackColor(kGreen);
      msgResult =
          runtime().messageBox(join({text::kWrongAnswer, kChoiceWords[i], ", ", *texts[i]}));
    }
  } else {
    changeScore(curPlayer, value, kGreen);
    labels[static_cast<std::size_t>(k - 1)]->setBackColor(kGreen);
    msgResult = runtime().messageBox(kRightVerdict);
  }
  tmrMonColor.setEnabled(true);
  setPhase(phase::kNextTopic);
}

}  // namespace game
