// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window's keys: Escape, the player count, the topic choice, the buzz-in and the
// judgement of a multiple-choice answer.
#include <array>

#include "content/frm_black.h"
#include "game/brivazon.h"
#include "game/frm_game.h"
#include "ui/numeric.h"

namespace game {

namespace {

constexpr std::array<std::string_view, 4> kNumberWords{"un", "deux", "trois", "quatre"};

// The buzz key of each seat and the player counts in which that seat is occupied.
struct BuzzKey {
  int keyAscii;
  int seat;
  bool inPlay[4];  // by player count 0..3
};

constexpr std::array<BuzzKey, 3> kBuzzKeys{{
    {'q', 1, {false, false, true, true}},
    {'b', 2, {false, true, false, true}},
    {'p', 3, {false, false, true, true}},
}};

}  // namespace

void FrmGame::Form_KeyPress(int keyAscii) {
  if (keyAscii == 27) runtime().quit();
  // Each test reads the phase afresh; a branch that moves the phase never leads into a later
  // branch, so one key is handled once.
  if (phaseIs("PNumber")) playerCountKey(keyAscii);
  if (phaseIs("CTopic1")) topicKey(keyAscii);
  if (phaseIs("Answer")) answerKeyPress(keyAscii);
  if (phaseIs("Question")) {
    if (ui::val(lblr.caption()) == 15)
      finalBuzz(keyAscii);
    else
      buzzKey(keyAscii);
  }
}

void FrmGame::topicKey(int keyAscii) {
  if (keyAscii < '1' || keyAscii > '3') return;
  const bool finalRound = ui::val(lblr.caption()) == 15;
  const std::array<std::int16_t, 3> ids{topicQ1, topicQ2, topicQ3};
  const std::int16_t chosen = ids[static_cast<std::size_t>(keyAscii - '1')];
  if (finalRound)
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
  lblCheckpoint.setCaption("Topic");
  hide();
  brivazon().frmBlack().show();
  if (!finalRound && questionId <= 1000) lblG.setCaption("0");
}

void FrmGame::buzzKey(int keyAscii) {
  for (const BuzzKey& k : kBuzzKeys) {
    if (k.keyAscii != keyAscii) continue;
    if (playerCount < 0 || playerCount > 3 || !k.inPlay[playerCount]) return;
    // Once the typed answer is revealed or judged, the box stays shown but disabled until the
    // question moves on; a buzz then would reopen it or take the verdict away.
    if (questionId > 1000 && txtGAnswer.visible() && !txtGAnswer.enabled()) return;
    curPlayer = static_cast<std::int16_t>(k.seat);
    lblAPlayer.setCaption(join({"Answer ", nameTag(k.seat).caption()}));
    lblAPlayer.show();
    if (questionId <= 1000) {
      lblCheckpoint.setCaption("Answer");
      lblTimer.setCaption("6");
    } else {
      // The reveal after a run-out hides the box with the phrase still in it: a box that opens
      // again starts empty, or the buzzing player's answer would follow the old phrase.
      if (!txtGAnswer.visible()) txtGAnswer.setText("");
      txtGAnswer.setEnabled(true);
      txtGAnswer.show();
      lblTimer.setCaption("20");
    }
    return;
  }
}

void FrmGame::answerKeyPress(int keyAscii) {
  if (keyAscii < '1' || keyAscii > '4') return;
  const int k = keyAscii - '0';
  const double right = ui::val(answerKey);
  const double value = ui::val(lblValue.caption());
  const std::array<ui::Label*, 4> choiceLabels{&lblChoice1, &lblChoice2, &lblChoice3, &lblChoice4};
  const std::array<const std::string*, 4> choiceTexts{&choice1, &choice2, &choice3, &choice4};

  tmrTimer.setEnabled(false);
  if (k != right) {
    changeScore(curPlayer, -value, kRed);
    choiceLabels[static_cast<std::size_t>(k - 1)]->setBackColor(kRed);
    msgResult = runtime().messageBox("C'est incorrect.");
    for (int n = 1; n <= 4; ++n) {
      if (n != right) continue;
      const auto i = static_cast<std::size_t>(n - 1);
      choiceLabels[i]->setBackColor(kGreen);
      msgResult = runtime().messageBox(
          join({"Le réponse correct était numéro ", kNumberWords[i], ", ", *choiceTexts[i]}));
    }
  } else {
    changeScore(curPlayer, value, kGreen);
    choiceLabels[static_cast<std::size_t>(k - 1)]->setBackColor(kGreen);
    msgResult = runtime().messageBox("Tu es correct!");
  }
  tmrMonColor.setEnabled(true);
  lblCheckpoint.setCaption("CTopic");
}

}  // namespace game
