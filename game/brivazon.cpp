// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Creating, showing and destroying the two windows.
#include "game/brivazon.h"

#include "game/frm_game.h"
#include "game/inventory.h"

namespace game {

Brivazon::Brivazon(ui::Runtime& runtime) : runtime_(runtime) {
  runtime_.setAppTitle(kAppTitle);
  runtime_.setTableSource([this] { return describeTable(); });
}

Brivazon::~Brivazon() {
  runtime_.setTableSource({});
}

void Brivazon::start() {
  frmGame_ = std::make_unique<FrmGame>(runtime_, *this);
  runtime_.load(*frmGame_);
  frmGame_->show();
}

ui::Form& Brivazon::frmBlack() {
  if (!frmBlack_) {
    frmBlack_ = makeFrmBlack(runtime_, *this);
    runtime_.load(*frmBlack_);
  }
  return *frmBlack_;
}

void Brivazon::unloadFrmBlack() {
  if (!frmBlack_) return;
  runtime_.unload(*frmBlack_);
  // The card's own tick may be the caller: the object lives until that event is over.
  runtime_.retire(std::move(frmBlack_));
}

}  // namespace game
