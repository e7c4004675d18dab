// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Randomized play: many seeded games of random keys and waits on the headless game, with the
// game's invariants checked after every command. A game that breaks one is written out as a
// scenario file that replays it exactly with brivazon-sim.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace random_play {

struct Failure {
  std::uint32_t seed = 0;
  std::string message;
  std::filesystem::path scenario;  // replays the game: brivazon-sim --seed SEED < scenario
};

struct Summary {
  int games = 0;
  int ended = 0;       // games that ended with their result or by Escape / the close button
  int withResult = 0;  // games played to the final result
  std::int64_t virtualMs = 0;
  std::uint64_t commands = 0;
};

// Plays the game for `seed`; on a broken invariant writes the scenario under `outDir`.
std::optional<Failure> playOne(std::uint32_t seed, const std::filesystem::path& outDir,
                               Summary& summary);

}  // namespace random_play
