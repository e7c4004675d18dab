// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game tells every backend about the table: the seats in play with their buzz keys and
// players, the name of the screen showing, and what a screen reader reads and says of it.
//
// A backend never includes the game, yet some of its services need to know it: gamepads give
// each seat in play its buzz key, and a screen reader names the scores by their players and
// says which screen is up, in the order and the words the game gives (a topic with its key, a
// score with its player). The game describes the table through a function it gives the
// runtime; a backend asks for the description after each event and acts on what changed.
#pragma once

#include <string>
#include <vector>

#include "ui/layout.h"

namespace ui {

class Element;
class Label;

struct Seat {
  int place = 0;                 // 1 left, 2 middle, 3 right
  char32_t buzzKey = 0;          // the key that buzzes for the seat
  std::string player;            // the player's name, empty until it is typed
  const Label* score = nullptr;  // the label that shows the seat's score
  const Label* name = nullptr;   // the label that shows the player's name

  bool operator==(const Seat&) const = default;
};

// A place on the game's screen that stands for a key now: a tap or a click there is that key.
struct KeyTarget {
  Area area;         // in the window's twips
  char32_t key = 0;  // the key it stands for

  bool operator==(const KeyTarget&) const = default;
};

// When a screen reader says a text of the screen without being asked.
enum class Voice : unsigned char {
  Read,     // never: it is read where it stands, in its turn
  Shown,    // when it comes into view (the amount at stake, not each second it drains)
  Changed,  // when it comes into view and whenever it changes in view
  Kept,     // when it differs from what was said of it last, even after it was away (a score)
  Urgent,   // as Changed, cutting short the last urgent word (the final round's flashes)
};

// A text in view as a screen reader reads it, in the game's words.
struct Spoken {
  const Element* element = nullptr;  // the label or box that shows it
  std::string text;                  // what is said: "1) Avions ...", "Ana: 3000"
  Voice voice = Voice::Read;

  bool operator==(const Spoken&) const = default;
};

struct Table {
  std::vector<Seat> seats;  // the seats in play, left to right; none before the count is known
  std::string screen;       // which screen is showing, in the players' language
  // What a tap stands for now (ui/pointer.h maps a point through them): the things on screen
  // that choose a key (the count badges, the topics, the choices), and the seats' buzz zones,
  // left to right across the band at the screen's bottom. Both are empty while a box has the
  // keyboard or another window is in front, where a key would not reach the game's window.
  std::vector<KeyTarget> targets;
  std::vector<KeyTarget> zones;
  // Every text in view worth reading, in the order a player reads the screen; what a page
  // offers its reader is this and nothing else.
  std::vector<Spoken> spoken;
  std::string boxName;  // what the box with the keyboard asks for (the prompt above it)
  // The label whose caption is the game's phase, which the browser check follows.
  const Label* phase = nullptr;

  bool operator==(const Table&) const = default;
};

}  // namespace ui
