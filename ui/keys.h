// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keys as the game's handlers receive them, the same for every backend.
//
// A window's key-press handler takes a character code (keyAscii): the character typed, or one of
// the control codes below. A text box's key-down handler takes a key code: the control codes
// alike, letters as their capital's code whatever the shift state, with a shift mask beside it.
#pragma once

namespace ui {

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;

// The shift mask of a key-down handler.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

struct Key {
  enum class Kind : unsigned char { Char, Enter, Escape, Backspace };
  Kind kind = Kind::Char;
  char32_t ch = 0;

  static Key character(char32_t c) { return {Kind::Char, c}; }
  static Key enter() { return {Kind::Enter, 0}; }
  static Key escape() { return {Kind::Escape, 0}; }
  static Key backspace() { return {Kind::Backspace, 0}; }

  // The character code a window's key-press handler receives.
  int keyAscii() const;
  // The key code a text box's key-down handler receives.
  int keyCode() const;
};

}  // namespace ui
