// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's random numbers: queued values first, then the seeded generator.
#include "ui/random.h"

#include <cmath>
#include <limits>

namespace ui {

namespace {
constexpr float kLargestBelowOne = 1.0f - 1.0f / 16777216.0f;  // 1 - 2^-24
}

void RandomSource::queue(double r) {
  float f = static_cast<float>(r);
  if (!(f < 1.0f)) f = kLargestBelowOne;
  if (!(f >= 0.0f)) f = 0.0f;
  queue_.push_back(f);
}

float RandomSource::next() {
  ++draws_;
  if (!queue_.empty()) {
    float r = queue_.front();
    queue_.pop_front();
    return r;
  }
  // The top 24 bits give every single in [0, 1) with a step of 2^-24, never 1.0.
  std::uint32_t k = gen_() >> 8;
  return static_cast<float>(k) / 16777216.0f;
}

}  // namespace ui
