// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers for the Qt tests: real key events and close requests through the window system layer
// (so focus and the checks of a real close button apply as they do for a player), waits that
// keep the event loop running, and runs of the application's own event loop until the program
// ends.
#pragma once

#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "game/brivazon.h"
#include "game/frm_game.h"
#include "ui/qt/form_view.h"
#include "ui/qt/message_panel.h"
#include "ui/qt/qt_platform.h"

namespace brivazon_test {

inline void press(QWidget* window, Qt::Key key, const QString& text = {},
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::sendKeyEvent(QTest::Click, window->windowHandle(), key, text, modifiers);
}

// Each character as the key a keyboard reports for it, capitals with Shift.
inline void type(QWidget* window, const QString& text) {
  for (QChar c : text) {
    const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
    press(window, key, QString(c), c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
  }
}

// Keeps the event loop running until `done` holds or `ms` have passed; returns `done()`.
inline bool waitUntil(const std::function<bool()>& done, int ms = 2000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < ms)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return done();
}

inline void spin(int ms) {
  waitUntil([] { return false; }, ms);
}

// The window's close button, as the window manager reports it. QWidget::close() and
// QWindow::close() would skip the checks that a real close request goes through.
inline void pressCloseButton(QWidget* window) {
  QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
      window->windowHandle());
}

// The message box that is up, if one is; of several, the newest, which has the keyboard.
inline ui::qt::MessagePanel* openBox() {
  ui::qt::MessagePanel* found = nullptr;
  for (QWidget* w : QApplication::allWidgets()) {
    auto* box = dynamic_cast<ui::qt::MessagePanel*>(w);
    if (!box || !box->isVisible()) continue;
    if (box->window()->focusWidget() == box->okButton()) return box;
    found = box;
  }
  return found;
}

// Runs `act` inside the next message box's own event loop, once the box is up.
inline void whenBoxOpens(QTimer& poll, std::function<void(ui::qt::MessagePanel&)> act) {
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&poll, act] {
    ui::qt::MessagePanel* box = openBox();
    if (!box) return;
    poll.stop();
    act(*box);
  });
  poll.start();
}

// Does `action` from inside the application's event loop and runs that loop until the program
// ends; returns the loop's exit code, -1 when the program did not end within `ms`.
inline int runUntilEnd(const std::function<void()>& action, int ms = 3000) {
  QTimer start, guard;
  start.setSingleShot(true);
  guard.setSingleShot(true);
  QObject::connect(&start, &QTimer::timeout, action);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
  start.start(0);
  guard.start(ms);
  return QApplication::exec();
}

// The real game started in its real window, shown and exposed.
class GameOnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    qt.platform().enter([&] { game.start(); });
    qt.platform().showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
  }

  QWidget* window() { return qt.platform().window(); }
  game::FrmGame& frm() { return game.frmGame(); }
  QLineEdit* nameEdit() { return qt.platform().viewOf(frm())->lineEditOf(frm().txtInput); }
  QImage picture() { return window()->grab().toImage(); }

  ui::qt::QtRuntime qt;
  game::Brivazon game{qt.runtime()};
};

}  // namespace brivazon_test
