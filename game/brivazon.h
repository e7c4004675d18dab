// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game as a whole: the game window, opened first and alive for the whole run, and the
// title-card window, created anew each time it is shown and destroyed when its card ends.
#pragma once

#include <memory>

#include "ui/form.h"
#include "ui/runtime.h"

namespace game {

class Brivazon;
class FrmGame;

// The title-card window. Its class and handlers live with the cards in content/, which stands
// above the game folder; the game only creates, shows and destroys it.
std::unique_ptr<ui::Form> makeFrmBlack(ui::Runtime& runtime, Brivazon& brivazon);

class Brivazon {
 public:
  explicit Brivazon(ui::Runtime& runtime);
  ~Brivazon();
  Brivazon(const Brivazon&) = delete;
  Brivazon& operator=(const Brivazon&) = delete;

  // Creates the game window (its start-up runs), then shows it.
  void start();

  ui::Runtime& runtime() const { return runtime_; }
  bool started() const { return frmGame_ != nullptr; }
  FrmGame& frmGame() const { return *frmGame_; }
  // The title card's one shared instance: the first reference creates it and runs its
  // Form_Load.
  ui::Form& frmBlack();
  bool hasFrmBlack() const { return frmBlack_ != nullptr; }
  ui::Form* frmBlackIfLoaded() const { return frmBlack_.get(); }
  // Destroys the title card together with its timers.
  void unloadFrmBlack();

  // What the backends learn of the game (game/table.cpp): the seats in play, the screen
  // and the places that stand for keys.
  ui::Table describeTable() const;

 private:
  // The places that stand for keys now, and the seats' buzz zones, added to the table.
  void describeTargets(ui::Table& table) const;

  ui::Runtime& runtime_;
  std::unique_ptr<FrmGame> frmGame_;
  std::unique_ptr<ui::Form> frmBlack_;
};

}  // namespace game
