// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Texts between the game (UTF-8) and Qt (UTF-16): the one conversion every Qt part uses.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace ui::qt {

inline QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline std::string toUtf8(const QString& s) {
  const QByteArray utf8 = s.toUtf8();
  return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

}  // namespace ui::qt
