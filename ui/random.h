// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's one source of random numbers.
//
// Every draw of the game goes through next(): a single-precision value uniform in [0, 1) that is
// never 1.0, taken as k / 2^24 from a 32-bit generator. Values queued ahead (a scenario's `rnd`
// lines, a test's set-up) are used first, so a queue long enough fixes a whole game.
#pragma once

#include <cstdint>
#include <deque>
#include <random>

namespace ui {

class RandomSource {
 public:
  explicit RandomSource(std::uint32_t seed = 1) : gen_(seed) {}

  void seed(std::uint32_t seed) { gen_.seed(seed); }
  // Queue a value for a coming draw: rounded to single precision, and a value that rounds to 1
  // becomes the largest single below 1.
  void queue(double r);
  std::size_t queued() const { return queue_.size(); }

  float next();
  std::uint64_t draws() const { return draws_; }

 private:
  std::mt19937 gen_;
  std::deque<float> queue_;
  std::uint64_t draws_ = 0;
};

}  // namespace ui
