// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's phases. The phase is the caption of lblCheckpoint, and these are its values: each
// name written once, read by the handlers of every subsystem.
#pragma once

#include <string_view>

namespace game::phase {

inline constexpr std::string_view kPlayerCount = "PNumber";  // how many are playing?
inline constexpr std::string_view kName = "Name";            // the players type their names
inline constexpr std::string_view kIntro = "Intro";          // the welcome card
inline constexpr std::string_view kNextTopic = "CTopic";     // the next question is drawn
inline constexpr std::string_view kChooseTopic = "CTopic1";  // a player chooses a topic
inline constexpr std::string_view kTopic = "Topic";          // the question's title card
inline constexpr std::string_view kQuestion = "Question";    // the question is on screen
inline constexpr std::string_view kAnswer = "Answer";        // a buzzing player answers

}  // namespace game::phase
