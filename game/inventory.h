// The screen inventory: every element and timer of the two windows as they stand before any
// handler runs.
#pragma once

#include "ui/spec.h"

namespace game {

extern const ui::FormSpec kFrmGame;   // the game screen, opened first
extern const ui::FormSpec kFrmBlack;  // the title cards

// The application's title, carried by message boxes that have no title of their own.
inline constexpr const char* kAppTitle = "Brivazon!";

}  // namespace game
