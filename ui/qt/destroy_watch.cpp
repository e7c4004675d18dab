// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// On X11, hears of the game's window being destroyed. The window system destroys a window when
// any program asks it to (a task manager, a script), and Qt goes on as if it were still there.
#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QWidget>

#include "ui/qt/qt_platform.h"

namespace ui::qt {

namespace {

class DestroyWatch final : public QAbstractNativeEventFilter {
 public:
  explicit DestroyWatch(QtPlatform& platform) : platform_(platform) {}

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY) return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    const QWidget* window = platform_.window();
    if (window->testAttribute(Qt::WA_WState_Created) && destroyed->window == window->winId())
      platform_.windowDestroyed();
    return false;
  }

 private:
  QtPlatform& platform_;
};

}  // namespace

std::unique_ptr<QAbstractNativeEventFilter> makeDestroyWatch(QtPlatform& platform) {
  return std::make_unique<DestroyWatch>(platform);
}

}  // namespace ui::qt
