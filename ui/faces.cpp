// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The faces of faces.def as constant tables.
#include "ui/faces.h"

#include <array>
#include <cmath>

namespace ui {

namespace {

struct FaceFile {
  std::string_view family;
  std::string_view siteFamily;
};

constexpr FaceFile kFiles[] = {
#define FACE(package, file, family, siteFile, siteFamily, weight, style) {family, siteFamily},
#define LAYOUT(face, family, generic)
#include "ui/faces.def"
#undef FACE
#undef LAYOUT
};

struct LayoutFace {
  std::string_view face;
  std::string_view family;
  std::string_view generic;
};

constexpr LayoutFace kLayoutFaces[] = {
#define FACE(package, file, family, siteFile, siteFamily, weight, style)
#define LAYOUT(face, family, generic) {face, family, generic},
#include "ui/faces.def"
#undef FACE
#undef LAYOUT
};

constexpr std::string_view siteFamilyOf(std::string_view family) {
  for (const FaceFile& f : kFiles)
    if (f.family == family) return f.siteFamily;
  return {};
}

constexpr auto kBundled = [] {
  std::array<BundledFace, std::size(kLayoutFaces)> out{};
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = {kLayoutFaces[i].family, siteFamilyOf(kLayoutFaces[i].family),
              kLayoutFaces[i].generic};
  return out;
}();

// Every face of the layout is drawn by a file the game bundles.
static_assert([] {
  for (const BundledFace& b : kBundled)
    if (b.siteFamily.empty()) return false;
  return true;
}());

// The size of the windowing layer's default face, in points.
constexpr float kDefaultPoints = 8.25f;

}  // namespace

const BundledFace* bundledFace(std::string_view layoutFace) {
  for (std::size_t i = 0; i < kBundled.size(); ++i)
    if (kLayoutFaces[i].face == layoutFace) return &kBundled[i];
  return nullptr;
}

std::string siteFontFamily(std::string_view layoutFace) {
  const BundledFace* b = bundledFace(layoutFace);
  if (!b) return "\"" + std::string(layoutFace) + "\", sans-serif";
  return "\"" + std::string(b->siteFamily) + "\", " + std::string(b->generic);
}

int fontPixels(const FontStyle& font) {
  const float points = font.face.empty() ? kDefaultPoints : font.points;
  return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

}  // namespace ui
