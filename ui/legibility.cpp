// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Contrast by relative luminance: sRGB channels brought back to linear light, weighted by how
// bright each looks to the eye.
#include "ui/legibility.h"

#include <algorithm>
#include <cmath>

#include "ui/element.h"
#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/table.h"

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

Room captionRoom(const Element& element) {
  const double left = element.left() / kTwipsPerPixel;
  Room room = captionRoom(left, element.top() / kTwipsPerPixel, element.width() / kTwipsPerPixel,
                          element.height() / kTwipsPerPixel);
  if (element.layout().kind != Kind::Label) return room;
  // A centred caption whose label runs past the window's right edge is centred on the window,
  // not pushed against its edge.
  const double width = element.width() / kTwipsPerPixel;
  if (element.layout().align == Align::Centre && left >= 0 && left < kScreenWidth &&
      left + width > kScreenWidth) {
    room.left = -left;
    room.width = kScreenWidth;
  }
  const std::vector<Seat> seats = element.form().runtime().table().seats;
  for (std::size_t k = 0; k < seats.size(); ++k) {
    if (seats[k].name != &element) continue;
    // A few pixels short of the share's edges, so that two long names never run together.
    constexpr double kGap = 3;
    const double share = static_cast<double>(kScreenWidth) / static_cast<double>(seats.size());
    room.left = share * static_cast<double>(k) + kGap - left;
    room.width = share - 2 * kGap;
    room.smallest = kSmallestName;
  }
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
