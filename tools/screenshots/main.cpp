// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// brivazon-screenshots: plays shot lists on the headless game and writes each shot as a PNG.
//
//   brivazon-screenshots [--scale S] --out DIR LIST.shots...
#include <QApplication>
#include <QDir>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/screenshots/shots.h"

namespace {

constexpr const char* kUsage = "usage: brivazon-screenshots [--scale S] --out DIR LIST.shots...\n";

}  // namespace

int main(int argc, char** argv) {
  // The pictures never need a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  double scale = 1;
  QString out;
  std::vector<std::string> lists;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--out" && i + 1 < argc) {
      out = QString::fromLocal8Bit(argv[++i]);
    } else if (arg == "--scale" && i + 1 < argc) {
      const std::string_view value = argv[++i];
      const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), scale);
      if (ec != std::errc() || end != value.data() + value.size() || !(scale > 0)) {
        std::cerr << "brivazon-screenshots: --scale takes a number above 0, not '" << value
                  << "'\n";
        return 2;
      }
    } else if (arg == "--help") {
      std::cout << kUsage;
      return 0;
    } else if (!arg.starts_with("--")) {
      lists.push_back(arg);
    } else {
      lists.clear();
      break;
    }
  }
  if (out.isEmpty() || lists.empty() || !(scale > 0)) {
    std::cerr << kUsage;
    return 2;
  }
  if (!QDir().mkpath(out)) {
    std::cerr << "brivazon-screenshots: cannot create " << out.toStdString() << '\n';
    return 1;
  }
  for (const std::string& path : lists) {
    std::ifstream in(path);
    if (!in) {
      std::cerr << "brivazon-screenshots: cannot read " << path << '\n';
      return 1;
    }
    std::vector<shots::Shot> taken;
    std::ostringstream errors;
    if (!shots::play(in, errors, taken, scale)) {
      std::cerr << path << ": " << errors.str();
      return 1;
    }
    for (const shots::Shot& shot : taken) {
      const QString file = out + '/' + QString::fromStdString(shot.name) + ".png";
      // Quality 0 is PNG's strongest compression: the pictures are committed.
      if (!shot.image.save(file, "PNG", 0)) {
        std::cerr << "cannot write " << file.toStdString() << '\n';
        return 1;
      }
      std::cout << file.toStdString() << '\n';
    }
  }
  return 0;
}
