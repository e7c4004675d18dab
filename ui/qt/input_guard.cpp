// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The application's event filter: the window's own full-screen keys, pointers turned into key
// presses, and nothing reaching the game while a message box is open but what answers it.
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

#include "ui/qt/keys.h"
#include "ui/qt/qt_platform.h"

namespace ui::qt {

namespace {

// Sees every event of the application before its receiver does.
class InputGuard final : public QObject {
 public:
  explicit InputGuard(QtPlatform& platform) : platform_(platform) {}

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    return platform_.filterEvent(target, event);
  }

 private:
  QtPlatform& platform_;
};

// What a player does with the keyboard or the mouse, as opposed to what the window system tells.
bool isInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}

// The keys that close a message box, as its OK button.
bool closesBox(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
      return true;
    default:
      return false;
  }
}

bool isMouse(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick;
}

}  // namespace

std::unique_ptr<QObject> makeInputGuard(QtPlatform& platform) {
  return std::make_unique<InputGuard>(platform);
}

bool QtPlatform::inWindow(const QObject* target) const {
  if (!target || !target->isWidgetType()) return false;
  return static_cast<const QWidget*>(target)->window() == window_.get();
}

bool QtPlatform::filterEvent(QObject* target, QEvent* event) {
  if (!isInput(event->type()) || !inWindow(target)) return false;
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (isFullScreenToggle(key)) {
      if (event->type() == QEvent::KeyPress && !key.isAutoRepeat()) setFullScreen(!fullScreen_);
      return true;
    }
  }
  if (filterPointer(target, event)) return true;
  if (boxes_.empty()) return false;
  // A box is open: the game hears nothing from the window. The newest box is answered first: its
  // OK button may be clicked, and Enter, Space and Escape press it.
  MessagePanel* top = boxes_.back();
  if (isMouse(event->type()) && (target == top || top->isAncestorOf(static_cast<QWidget*>(target))))
    return false;
  if (event->type() == QEvent::KeyPress) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (closesBox(key)) top->accept();
  }
  return true;
}

}  // namespace ui::qt
