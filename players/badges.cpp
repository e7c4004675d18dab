// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player-count badges: the chosen badge shrinks first, then the other two together, each in
// six ticks (the middle one vertically, so each stays centred on its spot); the last to finish
// starts the first name prompt.
#include <array>

#include "game/frm_game.h"

namespace game {

namespace {

struct Badge {
  ui::Label FrmGame::*label;
  ui::Timer FrmGame::*timer;
  bool upright;                   // shrinks in height rather than width
  std::array<int, 2> startsNext;  // the badges it starts when it finishes, in order
  int watched;                    // the first prompt starts once this badge is gone
};

constexpr std::array<Badge, 3> kBadges{{
    {&FrmGame::lbl1P, &FrmGame::tmrP1Anim, false, {1, 2}, 1},
    {&FrmGame::lbl2P, &FrmGame::tmrP2Anim, true, {0, 2}, 2},
    {&FrmGame::lbl3P, &FrmGame::tmrP3Anim, false, {0, 1}, 0},
}};

void shrinkBadge(FrmGame& f, int index) {
  const Badge& b = kBadges[static_cast<std::size_t>(index)];
  ui::Label& badge = f.*b.label;
  float size = 0;
  if (b.upright) {
    badge.setTop(badge.top() + 40);
    badge.setHeight(badge.height() - 80);
    size = badge.height();
  } else {
    badge.setLeft(badge.left() + 40);
    badge.setWidth(badge.width() - 80);
    size = badge.width();
  }
  if (size > 80) return;
  badge.hide();
  (f.*b.timer).setEnabled(false);
  for (int next : b.startsNext) {
    const Badge& other = kBadges[static_cast<std::size_t>(next)];
    if ((f.*other.label).visible()) (f.*other.timer).setEnabled(true);
  }
  if (!(f.*kBadges[static_cast<std::size_t>(b.watched)].label).visible())
    f.tmrName1.setEnabled(true);
}

}  // namespace

void FrmGame::tmrP1Anim_Timer() {
  shrinkBadge(*this, 0);
}
void FrmGame::tmrP2Anim_Timer() {
  shrinkBadge(*this, 1);
}
void FrmGame::tmrP3Anim_Timer() {
  shrinkBadge(*this, 2);
}

}  // namespace game
