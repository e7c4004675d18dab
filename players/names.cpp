// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player count and the players' names: the count key, the name prompts' slide-in, the name
// box and the name tags of the seats in play.
#include <array>
#include <climits>

#include "game/brivazon.h"
#include "game/frm_game.h"

namespace game {

namespace {

// An empty name gets a default, announced in a box titled "Pas de nom!".
struct DefaultName {
  std::string_view name;
  std::string_view message;
};

constexpr DefaultName kFleure{text::kFleure, text::kFleureMessage};
constexpr DefaultName kOiseau{text::kOiseau, text::kOiseauMessage};
constexpr DefaultName kPomme{text::kPomme, text::kPommeMessage};
constexpr DefaultName kFrancois{text::kFrancois, text::kFrancoisMessage};
constexpr DefaultName kPierre{text::kPierre, text::kPierreMessage};

// What a name typed at a prompt does, by prompt and player count: the seat it names, and
// whether another prompt follows. One player sits in the middle, the second of two at the right.
struct NameEntry {
  int prompt;
  int fewestPlayers, mostPlayers;
  DefaultName fallback;
  int seat;
  bool last;
};

constexpr std::array<NameEntry, 5> kNameEntries{{
    {3, INT_MIN, INT_MAX, kPierre, 3, true},
    {2, 2, 2, kPomme, 3, true},
    {2, 3, INT_MAX, kFrancois, 2, false},
    {1, 1, 1, kFleure, 2, true},
    {1, 2, INT_MAX, kOiseau, 1, false},
}};

}  // namespace

void FrmGame::playerCountKey(int keyAscii) {
  lblPNumber.hide();
  // Each count starts the shrinking of its own badge; the badges then hand on to each other.
  const std::array<ui::Timer*, 3> badges{&tmrP1Anim, &tmrP2Anim, &tmrP3Anim};
  if (keyAscii >= '1' && keyAscii <= '3') {
    playerCount = static_cast<std::int16_t>(keyAscii - '0');
    curPlayer = 1;
    badges[static_cast<std::size_t>(keyAscii - '1')]->setEnabled(true);
    setPhase(phase::kName);
  }
}

void FrmGame::txtInput_KeyDown(int keyCode, int /*shift*/) {
  if (keyCode == ui::kKeyEnter) {
    txtInput.hide();
    // Tested 3, 2, 1 so that the next prompt is not handled in the same key press.
    if (phaseIs(phase::kName)) {
      for (int prompt = 3; prompt >= 1; --prompt)
        if (curPlayer == prompt) enterName(prompt);
    }
    txtInput.setText("");
  }
  if (phaseIs(phase::kIntro)) {
    hide();
    brivazon().frmBlack().show();
  }
  if (keyCode == ui::kKeyEscape) runtime().quit();
}

void FrmGame::enterName(int prompt) {
  const std::array<ui::Label*, 3> prompts{&lblName1, &lblName2, &lblName3};
  const std::array<ui::Timer*, 3> slides{&tmrName1, &tmrName2, &tmrName3};
  prompts[static_cast<std::size_t>(prompt - 1)]->hide();
  for (const NameEntry& e : kNameEntries) {
    if (e.prompt != prompt || playerCount < e.fewestPlayers || playerCount > e.mostPlayers)
      continue;
    // An empty name gets the default, announced first.
    if (txtInput.text().empty()) {
      msgResult = runtime().messageBox(e.fallback.message, text::kNoNameTitle);
      txtInput.setText(e.fallback.name);
    }
    nameTag(e.seat).setCaption(txtInput.text());
    scoreLabel(e.seat).show();
    if (e.last) {
      setPhase(phase::kIntro);
    } else {
      curPlayer = prompt + 1;
      slides[static_cast<std::size_t>(prompt)]->setEnabled(true);
    }
    return;
  }
}

void FrmGame::lblName10_Change() {
  lblName10.show();
}
void FrmGame::lblName20_Change() {
  lblName20.show();
}
void FrmGame::lblName30_Change() {
  lblName30.show();
}

// Each prompt slides 200 twips a tick from outside the window until it stands over the name
// box, then shows the box.
void FrmGame::tmrName1_Timer() {
  lblName1.setTop(lblName1.top() + 200);
  if (lblName1.top() >= 1950) {
    txtInput.show();
    tmrName1.setEnabled(false);
  }
}

void FrmGame::tmrName2_Timer() {
  lblName2.setLeft(lblName2.left() + 200);
  if (lblName2.left() >= 4200) {
    txtInput.show();
    tmrName2.setEnabled(false);
  }
}

void FrmGame::tmrName3_Timer() {
  lblName3.setLeft(lblName3.left() - 200);
  if (lblName3.left() <= 4200) {
    txtInput.show();
    tmrName3.setEnabled(false);
  }
}

}  // namespace game
