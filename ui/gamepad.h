// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Gamepads as buzzers: the rules every backend's pads follow, whatever reads them.
//
// Each pad takes a seat in play in the order the pads were connected; a pad connected before
// the count is chosen gets its seat once it is; a pad unplugged leaves its seat to the
// keyboard, and a pad plugged in later takes the first seat in play without one. A shoulder
// button or a trigger is the seat's buzz key; the face buttons and the D-pad are the answers 1
// to 4 read like a page: top 1, left 2, right 3, bottom 4; Start is Enter. A pad's key goes to
// the window in front alone: it cannot type, nor take the keyboard from a player typing in a
// box, and while a message box is open only Start counts, closing it.
#pragma once

#include <optional>
#include <vector>

#include "ui/keys.h"
#include "ui/table.h"

namespace ui {

class Runtime;

// A pad's buttons by their place on the usual layout, as each backend's pad library names them.
enum class PadButton : unsigned char {
  None,
  FaceTop,
  FaceLeft,
  FaceRight,
  FaceBottom,
  Up,
  Left,
  Right,
  Down,
  Shoulder,
  Trigger,
  Start,
};

// The button at `index` of a pad in the browsers' standard mapping.
PadButton standardButton(int index);

// Which seat each connected pad holds, and the key each of its buttons stands for.
class PadSeats {
 public:
  // A pad, by any id unique among the connected ones, plugged in or unplugged.
  void connected(int pad);
  void disconnected(int pad);
  // The seats in play, as the game describes the table now.
  void follow(const Table& table);
  // The key a press stands for: a digit, Enter, or the buzz key of the pad's seat; none for
  // another button, an unknown pad, or a buzz from a pad without a seat.
  std::optional<Key> keyOf(int pad, PadButton button) const;

  // The connected pads in connection order, and the buzz key of the seat one holds (0: none).
  std::vector<int> pads() const;
  char32_t seatOf(int pad) const;

 private:
  struct Pad {
    int id;
    char32_t seat = 0;
  };
  void assign();

  std::vector<Pad> pads_;
  std::vector<char32_t> seats_;
};

// Whether a pad's key closes the message box on top, while one is open.
bool padClosesBox(Key key);
// A pad's key given to the game while no message box is open: the window in front's key press,
// unless a text box has the keyboard.
void padKeyPress(Runtime& runtime, Key key);

}  // namespace ui
