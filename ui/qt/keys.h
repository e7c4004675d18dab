// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The codes the game's key handlers receive for a real key.
//
// A window's key-press handler takes a character code (Enter 13, Escape 27, Backspace 8, the
// digits of either keypad and of the top row as digits on any layout); keys that type nothing raise
// no key press. A text box's key-down handler takes a key code for every key that goes down,
// letters as their capital's code whatever the shift state, with the shift state as a mask (1
// Shift, 2 Ctrl, 4 Alt).
#pragma once

#include <QKeyEvent>

#include "ui/keys.h"

namespace ui::qt {

// The character code of a key press, or -1 when the key types nothing.
int windowKeyCode(const QKeyEvent& event);
// The key code of a key going down in a text box.
int textBoxKeyCode(const QKeyEvent& event);
int shiftState(Qt::KeyboardModifiers modifiers);
// A modifier or lock key pressed on its own (Shift, Ctrl, Alt, AltGr, the logo keys, Caps Lock):
// it types nothing and has no code a handler knows, so the game never hears of it.
bool isModifierOnly(const QKeyEvent& event);
// F11 and Alt+Enter belong to the window, which goes full screen and back; never to the game.
bool isFullScreenToggle(const QKeyEvent& event);

}  // namespace ui::qt
