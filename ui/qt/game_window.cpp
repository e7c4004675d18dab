// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one top-level window: its place and size, full screen, the scene scaled to fit it, and its
// close button or its destruction ending the game.
#include <QCloseEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/qt/qstring.h"
#include "ui/qt/qt_platform.h"

namespace ui::qt {

namespace {

// The one top-level window; its close button asks the game, which may refuse. Whatever its size,
// the scene is laid out to fit it.
class GameWindow final : public QWidget {
 public:
  explicit GameWindow(QtPlatform& platform) : platform_(platform) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    // The window grows as the player likes and never below the layout's own size, at which
    // every caption is fitted to stay legible. The limit never changes, so no size limit can
    // reach a compositor while it is still answering a change of state.
    setMinimumSize(QtPlatform::kWidth, QtPlatform::kHeight);
    resize(QtPlatform::kWidth, QtPlatform::kHeight);
    setFocusPolicy(Qt::NoFocus);
    // Behind the views only for the instant between one window hiding and the next showing.
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (platform_.closeRequested())
      event->accept();
    else
      event->ignore();
  }
  void resizeEvent(QResizeEvent*) override { platform_.windowResized(); }

 private:
  QtPlatform& platform_;
};

}  // namespace

std::unique_ptr<QWidget> makeGameWindow(QtPlatform& platform) {
  return std::make_unique<GameWindow>(platform);
}

QWidget* QtPlatform::window() const {
  return window_.get();
}

void QtPlatform::showWindow() {
  if (ending()) return;
  window_->setWindowTitle(toQString(runtime().appTitle()));
  if (QScreen* screen = window_->screen()) {
    const QRect area = screen->availableGeometry();
    window_->move(area.center() - QPoint(kWidth / 2, kHeight / 2));
  }
  showFront();
  window_->show();
  settleKeyboard();
}

void QtPlatform::setFullScreen(bool on) {
  if (on == fullScreen_ || ending()) return;
  fullScreen_ = on;
  // Full screen is added to the window's state and taken from it again, a maximised window
  // staying maximised underneath: one request each way, the one a compositor answers with the
  // right size. Asking to maximise and to leave full screen at once gets a Wayland compositor's
  // answer with no size, and the window stays as large as the screen. Leaving full screen, the
  // window system puts the window back where it stood: a window that placed itself would be
  // misplaced when the window manager later restores it from maximised, and a Wayland
  // compositor does not let a window place itself at all.
  Qt::WindowStates state = window_->windowState() & ~Qt::WindowMinimized;
  if (on) {
    if (!window_->isFullScreen()) maximizedBefore_ = window_->isMaximized();
    // The game is played on the keyboard alone.
    window_->setCursor(Qt::BlankCursor);
    state |= Qt::WindowFullScreen;
  } else {
    state &= ~Qt::WindowFullScreen;
    // A window manager may drop the maximised state while the window is full screen.
    if (maximizedBefore_) state |= Qt::WindowMaximized;
    window_->unsetCursor();
  }
  if (state != window_->windowState()) window_->setWindowState(state);
  layoutViews();
  settleKeyboard();
}

void QtPlatform::windowResized() {
  layoutViews();
}

// Whatever size the window has, the scene fits it: a window manager that answers late, or takes
// the window out of full screen by itself, never leaves the scene cut off or misplaced.
qreal QtPlatform::sceneScale() const {
  return std::min(window_->width() / qreal(kWidth), window_->height() / qreal(kHeight));
}

QRect QtPlatform::sceneRect() const {
  const qreal scale = sceneScale();
  const QSize size(qRound(kWidth * scale), qRound(kHeight * scale));
  return QRect(
      QPoint((window_->width() - size.width()) / 2, (window_->height() - size.height()) / 2), size);
}

void QtPlatform::layoutViews() {
  const QRect scene = sceneRect();
  const qreal scale = sceneScale();
  for (auto& [form, view] : views_) {
    if (view->scale() != scale) view->setScale(scale);
    view->move(scene.topLeft());
  }
  placeBoxes(boxPlace());
}

bool QtPlatform::closeRequested() {
  enter([&] {
    if (Form* game = firstWindow()) runtime().closeWindow(*game);
  });
  return ending();
}

void QtPlatform::windowDestroyed() {
  enter([&] {
    if (Form* game = firstWindow()) runtime().closeWindow(*game);
    // With no window left the game cannot go on, whatever its close handler decided.
    if (!runtime().ending()) runtime().quit();
  });
}

}  // namespace ui::qt
