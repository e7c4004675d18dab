// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt backend of the windowing layer: one real window, the real clock, real message boxes.
//
// It is the surface of the shell below (ui/shell.h), which runs every event, the window in
// front, the boxes and the keyboard. One top-level window shows whichever game window is in
// front; each game window is painted by its own view inside it, so showing the title card and
// hiding the game window swaps the picture without a second top-level window fighting the
// window manager for the keyboard. The game's clock is the monotonic clock; one precise
// single-shot timer wakes the game for the next tick that can change anything, so an idle game
// never wakes. Every entry from Qt goes through the shell, which stops ProgramEnd, so no
// exception crosses a Qt frame.
//
// A message box is a panel inside the scene, over the area the window in front gives its boxes,
// and waits in its own event loop rather than blocking the window, so that the window's close
// button still reaches the game; an application event filter keeps every key, click and typed
// text from the game meanwhile, and closes the newest box on Enter, Space or Escape. The window
// may be resized and maximised as any other; whatever its size, the scene (boxes included) is
// scaled uniformly to the largest size that fits, centred on black. F11 and Alt+Enter are the
// window's own: they switch it to full screen and back to maximised when it was, else to the
// place and size the window had. A window destroyed by another program ends the game as its
// close button does: nothing of the game would be left to see or to close.
#pragma once

#include <QElapsedTimer>
#include <QPointF>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "ui/layout.h"
#include "ui/qt/desktop_sound.h"
#include "ui/qt/form_view.h"
#include "ui/qt/gamepads.h"
#include "ui/qt/message_panel.h"
#include "ui/runtime.h"
#include "ui/shell.h"

class QEvent;
class QKeyEvent;
class QAbstractNativeEventFilter;
class QObject;
class QWidget;

namespace ui::qt {

class QtPlatform final : private Surface, public Shell, public ViewHost {
 public:
  // Window logical size: the 9600 x 7200 twips of the layout.
  static constexpr int kWidth = kScreenWidth;
  static constexpr int kHeight = kScreenHeight;

  QtPlatform();
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  // Binds the runtime this platform serves, starts its clock and seeds its random numbers.
  void attach(Runtime& runtime);

  // The one top-level window, and showing it centred on the screen (game_window.cpp).
  QWidget* window() const;
  void showWindow();

  // Full screen: the window covers its screen and the scene is scaled to fit, centred on black.
  // Leaving it makes the window maximised again when it was, else puts it back as it stood.
  void setFullScreen(bool on);
  bool fullScreen() const { return fullScreen_; }
  // Where the scene is drawn in the window, and its scale: the largest uniform scale at which it
  // fits the window, centred (the whole window at 1 at the window's own size of 640 x 480).
  QRect sceneRect() const;
  qreal sceneScale() const;
  // Places every view at the scene's rectangle and scale; the window calls it when it resizes.
  void layoutViews();
  // The window's size changed (the player resized or maximised it, or the window system answered
  // a full-screen change): the scene is laid out anew, whatever size it came.
  void windowResized();

  // For inspection: the game's time the dispatcher is armed for, the open message boxes and the
  // view of a window.
  std::optional<std::int64_t> armedFor() const;
  const std::vector<MessagePanel*>& openBoxes() const { return boxes_; }
  FormView* viewOf(const Form& form) const;
  FormView* displayedView() const { return displayed() ? viewOf(*displayed()) : nullptr; }

  // Platform services.
  void beep() override;
  float measureText(const Label& label, std::string_view text) override;
  void programEnding() override;

  // Entries from the backend's own widgets (key_input.cpp).
  bool routeKey(const QKeyEvent& event, const TextBox* origin) override;
  void textEdited(TextBox& box, std::string_view text) override;
  Gamepads& gamepads() { return *gamepads_; }
  // The window's close button; true when the window may close.
  bool closeRequested();
  // The window system destroyed the window (another program asked it to): the game ends.
  void windowDestroyed();
  // Every event of the application passes here first; true when it must go no further
  // (input_guard.cpp).
  bool filterEvent(QObject* target, QEvent* event);
  // A press of the mouse's first button, a finger or a pen at a place of the window, in its
  // pixels (ui/qt/pointer_input.cpp): the key the game says the place stands for, routed as
  // that key; with a text box open for typing, the box has the keyboard again.
  void pointerPressed(QPointF windowPos);

 private:
  // The surface the shell draws on.
  std::int64_t clock() override;
  void armTimer(std::optional<std::int64_t> due) override;
  void createWindow(Form& form) override;
  void destroyWindow(Form& form) override;
  void bringToFront(Form& form, Form* before) override;
  void updateWindow(Form& form) override;
  void updateElement(Element& element, Property p) override;
  // Message boxes (message_boxes.cpp).
  void openBox(std::string_view title, std::string_view text, const PixelRect& area) override;
  void placeBoxes(const PixelRect& area) override;
  void waitForAnswer() override;
  void closeBox() override;
  void pressOk() override;
  void giveKeyboard(const KeyboardTarget& target) override;
  void nameBox(TextBox& box, const std::string& name) override;
  void tableChanged(const Table& now, const Table& before) override;
  void announce(const Announcement& announcement) override;

  bool inWindow(const QObject* target) const;
  // Mouse presses and touches in the window turned into presses; true when used up.
  bool filterPointer(QObject* target, QEvent* event);

  QElapsedTimer clock_;
  QTimer dispatcher_;
  std::optional<std::int64_t> armedFor_;
  std::unique_ptr<QWidget> window_;
  std::vector<std::pair<const Form*, FormView*>> views_;
  std::vector<MessagePanel*> boxes_;  // owned, newest last
  bool forwarding_ = false;
  bool fullScreen_ = false;
  bool maximizedBefore_ = false;  // whether the window was maximised before full screen
  DesktopSound sound_;
  std::unique_ptr<QObject> inputGuard_;
  std::unique_ptr<QAbstractNativeEventFilter> destroyWatch_;
  std::unique_ptr<Gamepads> gamepads_;
};

// The parts of the backend that watch the application, each in its file of that name.
std::unique_ptr<QWidget> makeGameWindow(QtPlatform& platform);
std::unique_ptr<QObject> makeInputGuard(QtPlatform& platform);
std::unique_ptr<QAbstractNativeEventFilter> makeDestroyWatch(QtPlatform& platform);

// A runtime on the Qt backend, as the application and the tests use it.
using QtRuntime = RuntimeOn<QtPlatform>;

}  // namespace ui::qt
