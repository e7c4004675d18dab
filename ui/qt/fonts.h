// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's faces, compiled in as resources so the windows look the same on every machine.
//
// The layout names its faces as a desktop of its time had them; each is drawn with a free face
// of the nearest look that the build bundles, asked for by its own family name (a machine may
// have another font under the layout's name) and sized in pixels of the 640 x 480 layout, so a
// screen of another density scales the whole window rather than overflowing the labels.
#pragma once

#include <QFont>
#include <QString>
#include <string_view>

#include "ui/layout.h"

namespace ui::qt {

// Registers the bundled faces with the application, once; needs a QGuiApplication. Returns the
// number of faces that failed to load (0 when all is well).
int registerFonts();

// The family that draws a face of the layout; the empty face is the layout's default face.
QString familyFor(std::string_view face);

// The font for a layout font: the bundled family, points x 96 / 72 pixels, weight and italic.
QFont fontFor(const FontStyle& layout);

// The width in twips that an auto-size label of this font takes for a caption: whole pixels.
float captionWidth(const FontStyle& layout, std::string_view caption);

}  // namespace ui::qt
