// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Bundled faces: registration from the resources and the choice of family for a layout face.
#include "ui/qt/fonts.h"

#include "ui/qt/qstring.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QResource>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cmath>

namespace ui::qt {

namespace {

struct Face {
  std::string_view layout;
  const char* family;
};

// Metric-compatible faces where one exists, so captions break and fit as they were laid out.
constexpr std::array kFaces{
    Face{"Arial", "Liberation Sans"},
    Face{"MS Sans Serif", "Liberation Sans"},
    Face{"Times New Roman", "Liberation Serif"},
    Face{"Comic Sans MS", "Comic Neue"},
    Face{"Lucida Handwriting", "Dancing Script"},
    Face{"Lucida Calligraphy", "TeX Gyre Chorus"},
    Face{"Lucida Bright", "DejaVu Serif"},
};

constexpr const char* kDefaultFamily = "Liberation Sans";
constexpr float kDefaultPoints = 8.25f;

}  // namespace

int registerFonts() {
  static const int failures = [] {
    int failed = 0;
    QDirIterator it(QStringLiteral(":/brivazon/fonts"));
    while (it.hasNext()) {
      const QString file = it.next();
      // The faces are stored uncompressed: register them in place, without a copy.
      const QResource resource(file);
      const QByteArray data =
          resource.compressionAlgorithm() == QResource::NoCompression
              ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                        static_cast<qsizetype>(resource.size()))
              : resource.uncompressedData();
      if (QFontDatabase::addApplicationFontFromData(data) < 0) {
        qWarning("brivazon: cannot load the bundled font %s", qUtf8Printable(file));
        ++failed;
      }
    }
    return failed;
  }();
  return failures;
}

QString familyFor(std::string_view face) {
  if (face.empty()) return QString::fromLatin1(kDefaultFamily);
  for (const Face& f : kFaces)
    if (f.layout == face) return QString::fromLatin1(f.family);
  // A face the build does not bundle: whatever the system has under that name, or its nearest.
  return toQString(face);
}

QFont fontFor(const FontStyle& layout) {
  const float points = layout.face.empty() ? kDefaultPoints : layout.points;
  QFont font(familyFor(layout.face));
  font.setPixelSize(std::max(1, qRound(points * 96.0f / 72.0f)));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(layout.weight, 1, 1000)));
  font.setItalic(layout.italic);
  return font;
}

float captionWidth(const FontStyle& layout, std::string_view caption) {
  const QFontMetricsF metrics(fontFor(layout));
  const QString text = toQString(caption);
  return static_cast<float>(std::ceil(metrics.horizontalAdvance(text))) * kTwipsPerPixel;
}

}  // namespace ui::qt
