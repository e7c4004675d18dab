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

// Colours with a meaning on the game screen.
inline constexpr ui::Color kGreen{0, 255, 0};
inline constexpr ui::Color kRed{255, 0, 0};
inline constexpr ui::Color kYellowChoice{255, 255, 0};
inline constexpr ui::Color kWhiteBox{255, 255, 255};
inline constexpr ui::Color kScoreRest{128, 255, 255};
inline constexpr ui::Color kRound1Colour{255, 192, 128};
inline constexpr ui::Color kRound2Colour{128, 128, 255};
inline constexpr ui::Color kFinalColour{0, 0, 0};

// The application's title, carried by message boxes that have no title of their own.
inline constexpr const char* kAppTitle = "Brivazon!";

}  // namespace game
