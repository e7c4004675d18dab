// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What keeps a text readable on any backend: the largest font size at which a caption fits the
// room it has, and a text colour that stands out enough from the colour behind it.
//
// The search knows nothing of fonts: a backend hands it a test of whether the caption fits at a
// given size, measured with its own toolkit, so the desktop and the browser shrink a caption by
// the same rule.
#pragma once

#include "ui/layout.h"

namespace ui {

// The largest size from `natural` down to `smallest` at which `fits(size)` holds; `smallest`
// when none does. A smaller size never needs more room, so the sizes that fit are one run
// from `smallest` up and a binary search finds the top of it.
template <class Fits>
int largestFittingSize(int natural, int smallest, Fits&& fits) {
  if (natural <= smallest || fits(natural)) return natural;
  int low = smallest;  // fits, or the floor
  int high = natural;  // does not fit
  while (high - low > 1) {
    const int mid = low + (high - low) / 2;
    if (fits(mid))
      low = mid;
    else
      high = mid;
  }
  return low;
}

// How a caption is drawn: at its own size in its box when it fits there; else shrunk, drawn in
// its room alone at the largest size down to `smallest` that fits the room, and cut short with an
// ellipsis when even that does not. `fits(pixels, inRoom)` measures with the backend's toolkit.
struct CaptionSize {
  int pixels = 0;
  bool shrunk = false;
  bool cut = false;
};
template <class Fits>
CaptionSize fitCaption(int natural, int smallest, Fits&& fits) {
  if (fits(natural, false)) return {natural};
  const int size =
      largestFittingSize(natural, smallest, [&](int pixels) { return fits(pixels, true); });
  return {size, true, !fits(size, true)};
}

class Element;

// The room a caption may use, in pixels of the 640 x 480 scene: its label's box, cut at the
// window's right and bottom edges when the label stands inside the window (one that stands
// outside is sliding in and keeps its whole box).
struct Room {
  double width = 0;
  double height = 0;
  double left = 0;   // where the room begins, from the label's left edge
  int smallest = 1;  // the least font size in pixels; a caption that needs less is cut short
};
Room captionRoom(double left, double top, double width, double height);

// The least size a player's name is drawn at in the 640 x 480 window: a longer name is cut
// with an ellipsis rather than shrunk to a line nobody can read.
inline constexpr int kSmallestName = 12;

// The room of an element's caption: the room of its box, but the whole window's width for a
// centred label that runs past the window's right edge, so that its caption stays centred; and
// for a seat's name label its seat's share of the window's width (a third with three seats in
// play, a half with two, all of it with one), whatever its box, so that a long name never
// covers another seat's name or score, and a name drawn there is centred on its seat.
Room captionRoom(const Element& element);

// The least contrast at which a text can be read: 4.5 to 1, as accessibility guidelines ask of
// body text.
inline constexpr double kReadableContrast = 4.5;

// The contrast of two colours, from 1 (the same) to 21 (black on white), by their relative
// luminance in linear light.
double contrastRatio(Color a, Color b);

// `preferred` when it can be read on `back`; otherwise black or white, whichever stands out more.
Color readableOn(Color back, Color preferred);

}  // namespace ui
