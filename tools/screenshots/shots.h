// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures of the game's screens, taken while a scenario plays the real game on the headless
// backend.
//
// A shot list is a scenario (the runner's commands: rnd, start, key, type, wait, ok, ...) with
// `shot NAME` lines at the moments to picture. Each shot is the window in front, painted by the
// game's own view exactly as the real window paints it, with the message box that is open at
// that moment drawn in it by the window's own panel, where the window shows it. Captions that size
// themselves are measured with the real faces, so every label stands where it stands in the real
// window.
#pragma once

#include <QImage>
#include <QString>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace shots {

struct Shot {
  std::string name;
  QImage image;
};

// Plays a shot list; `scale` sizes the pictures (1: 640 x 480). On a line the runner cannot
// carry out, a shot with no window shown or a name used twice, writes "line N: reason" to
// `errors` and returns false.
bool play(std::istream& list, std::ostream& errors, std::vector<Shot>& shots, double scale = 1);

}  // namespace shots
