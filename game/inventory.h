// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The screen inventory: every element and timer of the two windows as they stand before any
// handler runs.
#pragma once

#include "ui/layout.h"

namespace game {

extern const ui::FormLayout kFrmGame;   // the game screen, opened first
extern const ui::FormLayout kFrmBlack;  // the title cards

// The application's title, carried by message boxes that have no title of their own.
inline constexpr const char* kAppTitle = "Brivazon!";

}  // namespace game
