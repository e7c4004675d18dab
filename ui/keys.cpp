// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The codes a key gives the window's and the text box's handlers.
#include "ui/keys.h"

namespace ui {

int Key::keyAscii() const {
  switch (kind) {
    case Kind::Enter:
      return kKeyEnter;
    case Kind::Escape:
      return kKeyEscape;
    case Kind::Backspace:
      return kKeyBackspace;
    case Kind::Char:
      break;
  }
  return static_cast<int>(ch);
}

int Key::keyCode() const {
  if (kind != Kind::Char) return keyAscii();
  // Letters go down as their capital's code, as a keyboard reports them.
  if (ch >= U'a' && ch <= U'z') return static_cast<int>(ch - U'a' + U'A');
  return static_cast<int>(ch);
}

}  // namespace ui
