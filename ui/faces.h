// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which bundled face draws a face of the layout, and at how many pixels, for every backend.
//
// The faces themselves are listed once in faces.def, which the builds read too. A backend asks
// here for the family to draw a layout font with, by the name the desktop knows it under or the
// name the page's subset carries, and sizes it in pixels of the 640 x 480 layout, so a screen
// of another density scales the whole window rather than overflowing the labels.
#pragma once

#include <string>
#include <string_view>

#include "ui/layout.h"

namespace ui {

struct BundledFace {
  std::string_view family;      // as the desktop's bundled file names it
  std::string_view siteFamily;  // as the page's subset names it
  std::string_view generic;     // the kind of face to fall back on
};

// The bundled face for a face of the layout (the empty face is the default face), or none for a
// face the game does not bundle.
const BundledFace* bundledFace(std::string_view layoutFace);

// The page's font-family list for a face of the layout: its subset, then the generic kind.
std::string siteFontFamily(std::string_view layoutFace);

// Points x 96 / 72, rounded, and the default face at its own size.
int fontPixels(const FontStyle& font);

}  // namespace ui
