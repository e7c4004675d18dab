// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's fixed texts (game/texts.def) as constants, and all of them in one list, so that
// whatever must know every text the game can show (the page's font subsets) reads it here.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace game::text {

#define TEXT(name, value) inline constexpr std::string_view name = value;
#include "game/texts.def"
#undef TEXT

inline constexpr std::array kAll{
#define TEXT(name, value) name,
#include "game/texts.def"
#undef TEXT
};

}  // namespace game::text

namespace game {

// Every text the game can show, once each: the windows' captions, the texts above and the
// question bank (content/texts.cpp, beside the bank). Whatever else a window shows is made of
// these, of digits and of the names the players type.
std::vector<std::string_view> everyText();

}  // namespace game
