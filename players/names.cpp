// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player count and the players' names: the count key, the name prompts' slide-in, the name
// box and the name tags of the seats in play.
#include <array>

#include "content/frm_black.h"
#include "game/brivazon.h"
#include "game/frm_game.h"

namespace game {

namespace {

// An empty name gets a default, announced in a box titled "Pas de nom!".
struct DefaultName {
  std::string_view name;
  std::string_view message;
};

constexpr std::string_view kNoNameTitle = "Pas de nom!";
constexpr DefaultName kFleure{"Fleure", "Pas de nom?  Nous allons tu appeller une Fleure."};
constexpr DefaultName kOiseau{"Oiseau", "Pas de nom?  Nous allons tu appeller un Oiseau."};
constexpr DefaultName kPomme{"Pomme", "Pas de nom?  Nous allons tu appeller un Pomme."};
constexpr DefaultName kFrancois{"François", "Pas de nom?  Nous allons tu appeller François."};
constexpr DefaultName kPierre{"Pierre", "Pas de nom?  Nous allons tu appeller Pierre."};

}  // namespace

void FrmGame::playerCountKey(int keyAscii) {
  lblPNumber.hide();
  // Each count starts the shrinking of its own badge; the badges then hand on to each other.
  const std::array<ui::Timer*, 3> badges{&tmrP1Anim, &tmrP2Anim, &tmrP3Anim};
  if (keyAscii >= '1' && keyAscii <= '3') {
    playerCount = static_cast<std::int16_t>(keyAscii - '0');
    curPlayer = 1;
    badges[static_cast<std::size_t>(keyAscii - '1')]->setEnabled(true);
    lblCheckpoint.setCaption("Name");
  }
}

void FrmGame::txtInput_KeyDown(int keyCode, int /*shift*/) {
  if (keyCode == 13) {
    txtInput.hide();
    auto takeName = [this](const DefaultName& fallback) {
      if (txtInput.text().empty()) {
        msgResult = runtime().messageBox(fallback.message, kNoNameTitle);
        txtInput.setText(fallback.name);
      }
    };
    if (phaseIs("Name")) {
      // Tested 3, 2, 1 so that the next prompt is not handled in the same key press.
      if (curPlayer == 3) {
        lblName3.hide();
        takeName(kPierre);
        lblName30.setCaption(txtInput.text());
        lblP.show();
        lblCheckpoint.setCaption("Intro");
      }
      if (curPlayer == 2) {
        lblName2.hide();
        if (playerCount == 2) {
          takeName(kPomme);
          lblName30.setCaption(txtInput.text());
          lblP.show();
          lblCheckpoint.setCaption("Intro");
        } else if (playerCount > 2) {
          takeName(kFrancois);
          lblName20.setCaption(txtInput.text());
          lblB.show();
          curPlayer = 3;
          tmrName3.setEnabled(true);
        }
      }
      if (curPlayer == 1) {
        lblName1.hide();
        if (playerCount == 1) {
          takeName(kFleure);
          lblName20.setCaption(txtInput.text());
          lblB.show();
          lblCheckpoint.setCaption("Intro");
        } else if (playerCount > 1) {
          takeName(kOiseau);
          lblName10.setCaption(txtInput.text());
          lblQ.show();
          curPlayer = 2;
          tmrName2.setEnabled(true);
        }
      }
    }
    txtInput.setText("");
  }
  if (phaseIs("Intro")) {
    hide();
    brivazon().frmBlack().show();
  }
  if (keyCode == 27) runtime().quit();
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
