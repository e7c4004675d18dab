// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The display tests' entry: one application on a virtual screen. Each test run names its screen
// (tests/qt/screens/*.json) through QT_QPA_PLATFORM; alone, the tests run on the wide one.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen")
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" BRIVAZON_SCREENS "/wide.json");
  QApplication app(argc, argv);
  // Only the game decides when the application ends.
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
