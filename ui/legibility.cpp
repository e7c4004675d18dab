// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Contrast by relative luminance: sRGB channels brought back to linear light, weighted by how
// bright each looks to the eye.
#include "ui/legibility.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

double linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Color c) {
  return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

}  // namespace

Room captionRoom(double left, double top, double width, double height) {
  Room room{width, height};
  if (left >= 0 && left < kScreenWidth) room.width = std::min(room.width, kScreenWidth - left);
  if (top >= 0 && top < kScreenHeight) room.height = std::min(room.height, kScreenHeight - top);
  return room;
}

double contrastRatio(Color a, Color b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Color readableOn(Color back, Color preferred) {
  if (contrastRatio(back, preferred) >= kReadableContrast) return preferred;
  constexpr Color kBlack{0, 0, 0};
  constexpr Color kWhite{255, 255, 255};
  return contrastRatio(back, kBlack) >= contrastRatio(back, kWhite) ? kBlack : kWhite;
}

}  // namespace ui
