// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Mouse clicks, fingers and pens on the game's window: each press becomes the key its place
// stands for now, by the rule every backend shares (ui/pointer.h), routed as that key. A
// touchscreen laptop or a whiteboard driving the desktop plays as a keyboard does.
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTouchEvent>
#include <vector>

#include "ui/pointer.h"
#include "ui/qt/message_panel.h"
#include "ui/qt/qt_platform.h"

namespace ui::qt {

namespace {

// A finger's least target on screen, in the window's pixels.
constexpr qreal kFinger = 44;

}  // namespace

bool QtPlatform::filterPointer(QObject* target, QEvent* event) {
  std::vector<QPointF> presses;
  const QEvent::Type type = event->type();
  if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    // A click on a line edit places its caret; a message box's own button takes its click.
    if (mouse.button() != Qt::LeftButton || qobject_cast<QLineEdit*>(target) || !boxes_.empty())
      return false;
    presses.push_back(window_->mapFromGlobal(mouse.globalPosition()));
  } else if (type == QEvent::TouchBegin || type == QEvent::TouchUpdate) {
    // Every finger that lands is a press of its own, a second one while the first is down too.
    const auto& touch = static_cast<const QTouchEvent&>(*event);
    for (const QEventPoint& point : touch.points())
      if (point.state() == QEventPoint::Pressed)
        presses.push_back(window_->mapFromGlobal(point.globalPosition()));
    event->accept();
  } else {
    return false;
  }
  if (!boxes_.empty()) {
    // Fingers are lost while a message is open, but for the one on its OK.
    MessagePanel* top = boxes_.back();
    for (const QPointF& p : presses) {
      QWidget* under = window_->childAt(p.toPoint());
      if (under && under == top->okButton()) top->accept();
    }
    return true;
  }
  for (const QPointF& p : presses)
    pointerPressed(p);
  return true;
}

void QtPlatform::pointerPressed(QPointF windowPos) {
  enter([&] {
    if (!runtime().front()) return;
    // With a box open for typing, the press gives it the keyboard back and stands for no key.
    if (runtime().keyboardBox()) {
      settleKeyboard();
      return;
    }
    const QRect scene = sceneRect();
    const qreal scale = sceneScale();
    const char32_t key =
        keyAt(runtime().table(), static_cast<float>((windowPos.x() - scene.x()) / scale),
              static_cast<float>((windowPos.y() - scene.y()) / scale),
              static_cast<float>(kFinger / scale));
    if (!key) return;
    const Key k = Key::character(key);
    runtime().routeKey(k.keyAscii(), k.keyCode(), 0);
  });
}

}  // namespace ui::qt
