// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The title-card window: a black screen between the stages of the show. It plays the welcome
// line after the names, and before each question the "Question" card with its number (after a
// "Rond" card at the start of each round, and followed by the gibberish or final-round title),
// then writes the next phase into the game window, shows it again and destroys itself.
#pragma once

#include <cstdint>

#include "ui/element.h"
#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/timer.h"
#include "ui/variable.h"

namespace game {
class Brivazon;
class FrmGame;
}  // namespace game

namespace content {

class FrmBlack;
// The title card while it is loaded, or none.
FrmBlack* loadedFrmBlack(const game::Brivazon& brivazon);

class FrmBlack : public ui::Form {
 public:
  FrmBlack(ui::Runtime& runtime, game::Brivazon& brivazon);

  ui::Label lblWelcome{*this, "lblWelcome"};
  ui::Label lblQNumber{*this, "lblQNumber"};
  ui::Label lblQLabel{*this, "lblQLabel"};

  ui::Timer tmrPause{*this, "tmrPause"};
  ui::Timer tmrSlide{*this, "tmrSlide"};

  // The welcome line's leg (0..3), or the pause ticks spent on a special title.
  ui::Integer slideStep{*this};

  std::vector<ui::VariableRef> variables() const override;

  void Form_Load() override;
  void Form_KeyPress(int keyAscii) override;
  void tmrSlide_Timer();
  void tmrPause_Timer();

 private:
  game::FrmGame& frmGame() const;

  game::Brivazon& brivazon_;
};

}  // namespace content
