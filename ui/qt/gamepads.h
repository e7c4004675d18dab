// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Gamepads on the desktop, read through SDL2's game-controller API alone (no SDL window), which
// maps the common pads to one layout of buttons. What a pad's buttons and seat mean is the rule
// every backend shares (ui/gamepad.h); this file reads the pads and hands their news on.
//
// SDL is asked for news by a timer: once a second while no pad is connected, only to notice one
// being plugged in, and every kPollMs while one is. Where SDL's game controllers cannot start
// (no permission, no device support) nothing is polled and the game plays on the keyboard.
#pragma once

#include <QTimer>
#include <functional>
#include <vector>

#include "ui/gamepad.h"
#include "ui/runtime.h"

namespace ui::qt {

class Gamepads {
 public:
  // How often a connected pad is read, and how often SDL is asked about a new pad otherwise.
  static constexpr int kPollMs = 5;
  static constexpr int kIdleMs = 1000;

  // `press` receives each key a pad sends, in the order pressed.
  explicit Gamepads(std::function<void(Key)> press);
  ~Gamepads();
  Gamepads(const Gamepads&) = delete;
  Gamepads& operator=(const Gamepads&) = delete;

  // Whether SDL's game controllers started.
  bool available() const { return available_; }
  // The seats in play, as the game describes the table now.
  void follow(const Table& table) { seats_.follow(table); }
  // Reads what the pads did since the last look and sends their keys.
  void poll();
  // The timer's interval now: kPollMs with a pad connected, kIdleMs without, 0 when stopped.
  int interval() const { return timer_.isActive() ? timer_.interval() : 0; }

  // For inspection: the connected pads' SDL instance ids in connection order, and the buzz key
  // of the seat each holds (0 for none).
  std::vector<int> padIds() const { return seats_.pads(); }
  char32_t seatOf(int padId) const { return seats_.seatOf(padId); }

 private:
  struct Pad {
    void* controller;  // SDL_GameController
    int id;
    bool triggers[2] = {false, false};
  };

  void added(int deviceIndex);
  void removed(int id);
  void schedule();

  std::function<void(Key)> press_;
  bool available_ = false;
  QTimer timer_;
  std::vector<Pad> pads_;
  PadSeats seats_;
};

}  // namespace ui::qt
