// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cost of plain polling, for comparison with the game's idle figures: one 640 x 480 window
// on the Qt event loop with a 1 ms and a 5 ms timer that never stop, each tick doing nothing,
// as the game's two polling timers would run if idle ticks were never skipped. Runs until killed.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("poll-baseline"));
  window.setFixedSize(640, 480);
  window.show();
  QTimer list, number;
  QObject::connect(&list, &QTimer::timeout, [] {});
  QObject::connect(&number, &QTimer::timeout, [] {});
  list.start(1);
  number.start(5);
  return QApplication::exec();
}
