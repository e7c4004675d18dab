// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Gamepads as buzzers: each pad stands for one seat in play and sends the keys the game knows.
//
// Pads come through SDL2's game-controller API alone (no SDL window), which maps the common pads
// to one layout of buttons. Each pad takes a seat in play in the order the pads were connected;
// a pad connected before the count is chosen gets its seat once it is; a pad unplugged leaves
// its seat to the keyboard, and a pad plugged in later takes the first seat in play without one.
// A shoulder button or trigger is the seat's buzz key; the face buttons (and the D-pad) are the
// answers 1 to 4 read like a page: top 1, left 2, right 3, bottom 4; Start is Enter.
//
// SDL is asked for news by a timer: once a second while no pad is connected, only to notice one
// being plugged in, and every kPollMs while one is. Where SDL's game controllers cannot start
// (no permission, no device support) nothing is polled and the game plays on the keyboard.
#pragma once

#include <QTimer>
#include <functional>
#include <vector>

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
  // The buzz keys of the seats in play, left to right (none before the count is chosen).
  void setSeats(std::vector<char32_t> buzzKeys);
  // Reads what the pads did since the last look and sends their keys.
  void poll();
  // The timer's interval now: kPollMs with a pad connected, kIdleMs without, 0 when stopped.
  int interval() const { return timer_.isActive() ? timer_.interval() : 0; }

  // For inspection: the connected pads' SDL instance ids in connection order, and the buzz key
  // of the seat each holds (0 for none).
  std::vector<int> padIds() const;
  char32_t seatOf(int padId) const;

 private:
  struct Pad {
    void* controller;  // SDL_GameController
    int id;
    char32_t seat = 0;
    bool triggers[2] = {false, false};
  };

  void added(int deviceIndex);
  void removed(int id);
  void assignSeats();
  void button(Pad& pad, int button);
  void trigger(Pad& pad, int side, int value);
  void schedule();

  std::function<void(Key)> press_;
  bool available_ = false;
  QTimer timer_;
  std::vector<Pad> pads_;
  std::vector<char32_t> seats_;
};

}  // namespace ui::qt
