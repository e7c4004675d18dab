// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is to say without being asked, worked out once for every backend.
//
// The game describes the texts in view and how each is voiced (ui::Table::spoken). After each
// event a backend hands the announcer the new description; the announcer compares it with the
// last one and answers with what came into view or changed, in the game's order, joined into
// one announcement per kind: the ordinary one, which waits for the reader to finish, and the
// urgent one (the final round's flashing words), which cuts short the urgent one before it. The
// backend only voices what it gets (a notification on the desktop, live regions on the page).
#pragma once

#include <string>
#include <vector>

#include "ui/table.h"

namespace ui {

class Element;

// Whether a player sees the element: shown, with a text, and at least partly inside the window
// (the name prompts wait outside it before they slide in).
bool onScreen(const Element& element);

struct Announcement {
  std::string text;
  bool urgent = false;  // cuts short the urgent announcement still being said

  bool operator==(const Announcement&) const = default;
};

class Announcer {
 public:
  // What to say now that the table is `table`: none, one or two announcements (the ordinary
  // one first).
  std::vector<Announcement> update(const Table& table);
  // Forgets what was said: the next table is announced whole (a screen reader that just came).
  void reset() {
    said_.clear();
    kept_.clear();
  }

 private:
  struct Said {
    const Element* element;  // compared by address only: its window may be gone
    std::string text;
  };
  std::vector<Said> said_;  // the texts in view last time
  std::vector<Said> kept_;  // what was said last of each kept text
};

}  // namespace ui
