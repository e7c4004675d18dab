// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one rule that turns a tap, a click or a pen's touch into the key it stands for.
//
// The game describes in its table which places stand for which key now; every backend maps a
// point through this function and routes the key it returns as a keyboard's, so a tap never
// does more than its key would and no backend knows the game.
#pragma once

#include "ui/table.h"

namespace ui {

// The key a tap at (x, y) stands for, or 0 for none. The point is in the window's logical
// pixels (kScreenWidth x kScreenHeight); beyond those bounds it lies in the letterbox margins
// around the scaled scene, where a side margin and the margin below belong to the buzz zone
// next to them. `minTarget` is the least width and height, in the same pixels, a target takes
// for a finger: a backend passes its own minimum over the scene's scale.
char32_t keyAt(const Table& table, float x, float y, float minTarget = 0);

}  // namespace ui
