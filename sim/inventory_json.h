// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The screen inventory as JSON, for the tools that look at the real window: they read the
// places and colours of the elements from here rather than keeping their own copy.
#pragma once

#include <ostream>

namespace sim {

// Writes both windows (name, caption, back colour, message area, every element and timer) and
// the colours the game gives meaning to, as one JSON object.
void writeInventory(std::ostream& out);

}  // namespace sim
