// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The point-to-key rule every backend shares: targets first, grown to a finger's size about
// their centres, then the buzz zones, which reach out into the letterbox margins beside and
// below the scene.
#include "ui/pointer.h"

#include <algorithm>

namespace ui {

namespace {

bool inside(const Area& a, float x, float y, float grow) {
  const float left = a.left / kTwipsPerPixel, top = a.top / kTwipsPerPixel;
  const float width = a.width / kTwipsPerPixel, height = a.height / kTwipsPerPixel;
  const float dx = std::max(0.0f, grow - width) / 2, dy = std::max(0.0f, grow - height) / 2;
  return x >= left - dx && x < left + width + dx && y >= top - dy && y < top + height + dy;
}

}  // namespace

char32_t keyAt(const Table& table, float x, float y, float minTarget) {
  const float width = kScreenWidth, height = kScreenHeight;
  const bool inScene = x >= 0 && x < width && y >= 0 && y < height;
  if (inScene)
    for (const KeyTarget& t : table.targets)
      if (inside(t.area, x, y, minTarget)) return t.key;
  // Above the scene is no zone's side; a point beside or below it is taken to the scene's edge
  // and down into the band, so that the margin belongs to the zone next to it.
  if (y < 0) return 0;
  if (!inScene) {
    x = std::clamp(x, 0.0f, width - 1);
    float bandTop = height;
    for (const KeyTarget& z : table.zones)
      bandTop = std::min(bandTop, z.area.top / kTwipsPerPixel);
    y = std::clamp(y, bandTop, height - 1);
  }
  for (const KeyTarget& z : table.zones)
    if (inside(z.area, x, y, 0)) return z.key;
  return 0;
}

}  // namespace ui
