// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Bundled faces: registration from the resources and the choice of family for a layout face.
#include "ui/qt/fonts.h"

#include "ui/faces.h"
#include "ui/qt/qstring.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QResource>
#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace ui::qt {

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
  if (const BundledFace* bundled = bundledFace(face)) return toQString(bundled->family);
  // A face the build does not bundle: whatever the system has under that name, or its nearest.
  return toQString(face);
}

QFont fontFor(const FontStyle& layout) {
  QFont font(familyFor(layout.face));
  font.setPixelSize(std::max(1, fontPixels(layout)));
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
