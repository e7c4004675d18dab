// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt backend of the windowing layer: one real window, the real clock, real message boxes.
//
// One top-level window shows whichever game window is in front; each game window is painted by
// its own view inside it, so showing the title card and hiding the game window swaps the picture
// without a second top-level window fighting the window manager for the keyboard. The shared
// timer scheduler runs on the monotonic clock: every event (a timer wake, a key, the close
// button) first brings the game's clock to the real time, firing the ticks that fell due, then
// delivers the event, then re-arms one precise single-shot timer for the next tick that can
// change anything, so an idle game never wakes. Program end unwinds the game's handlers with
// ProgramEnd; every entry from Qt stops it there, so no exception crosses a Qt frame.
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
#include <exception>
#include <memory>
#include <optional>
#include <vector>

#include "ui/announcer.h"
#include "ui/layout.h"
#include "ui/platform.h"
#include "ui/qt/desktop_sound.h"
#include "ui/qt/form_view.h"
#include "ui/qt/gamepads.h"
#include "ui/qt/message_panel.h"
#include "ui/runtime.h"

class QEvent;
class QKeyEvent;
class QLineEdit;
class QAbstractNativeEventFilter;
class QObject;
class QWidget;

namespace ui::qt {

class QtPlatform final : public Platform, public ViewHost {
 public:
  // Window logical size: the 9600 x 7200 twips of the layout.
  static constexpr int kWidth = kScreenWidth;
  static constexpr int kHeight = kScreenHeight;
  // A real clock that fell this far behind (a suspended laptop) drops ticks instead of
  // replaying them.
  static constexpr std::int64_t kMaxLagMs = 250;

  QtPlatform();
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  // Binds the runtime this platform serves, starts its clock and seeds its random numbers.
  void attach(Runtime& runtime);
  Runtime& runtime() const { return *runtime_; }

  // The one top-level window, and showing it centred on the screen.
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

  // Runs one event of the game: the clock brought to the real time first (ticks due before it
  // fire), ProgramEnd stopped here, the dispatcher re-armed and the keyboard given to whoever
  // has it afterwards.
  template <class Deliver>
  void enter(Deliver&& deliver) {
    if (!beginEntry()) return;
    try {
      catchUp();
      deliver();
    } catch (const ProgramEnd&) {
      // The program ended: nothing of the handler that asked for it runs on.
    } catch (...) {
      // Nothing may unwind through Qt; fail loudly with the exception's own report.
      std::terminate();
    }
    endEntry();
  }

  // What the game said of the table after the last event that changed it.
  const Table& table() const { return table_; }

  // For inspection: the game's time the dispatcher is armed for, the open message boxes, the
  // view of a window and the widget that should have the keyboard.
  std::optional<std::int64_t> armedFor() const;
  const std::vector<MessagePanel*>& openBoxes() const { return boxes_; }
  FormView* viewOf(const Form& form) const;
  FormView* displayedView() const { return displayed_; }
  QWidget* keyboardTarget() const;

  // Platform services and notices.
  void messageBox(std::string_view text, std::string_view title) override;
  void beep() override;
  float measureText(const Label& label, std::string_view text) override;
  void programEnding() override;
  void formCreated(Form& form) override;
  void formDestroyed(Form& form) override;
  void formShown(Form& form) override;
  void formHidden(Form& form) override;
  void formChanged(Form& form) override;
  void elementChanged(Element& element, Property p) override;
  void timersChanged() override;

  // Entries from the backend's own widgets.
  bool routeKey(const QKeyEvent& event, QLineEdit* origin) override;
  void textEdited(TextBox& box, std::string_view text) override;
  // A key sent by a gamepad: routed as the keyboard's keys are, except that while a box is open
  // only Enter (which closes it) counts, and while a text box has the keyboard none does.
  void padPressed(Key key);
  Gamepads& gamepads() { return *gamepads_; }
  // The window's close button; true when the window may close.
  bool closeRequested();
  // The window system destroyed the window (another program asked it to): the game ends.
  void windowDestroyed();
  // Every event of the application passes here first; true when it must go no further.
  bool filterEvent(QObject* target, QEvent* event);
  // A press of the mouse's first button, a finger or a pen at a place of the window, in its
  // pixels (ui/qt/pointer_input.cpp): the key the game says the place stands for, routed as
  // that key; with a text box open for typing, the box has the keyboard again.
  void pointerPressed(QPointF windowPos);

 private:
  bool beginEntry();
  void catchUp();
  void endEntry();
  void arm();
  void showFront();
  void placeBoxes();
  void settleFocus();
  bool ending() const { return !runtime_ || runtime_->ending(); }
  bool inWindow(const QObject* target) const;
  // Mouse presses and touches in the window turned into presses; true when used up.
  bool filterPointer(QObject* target, QEvent* event);
  // Takes in what the game says of the table (the screen's name, the seats in play) after an
  // event that changed something.
  void followTable();

  Runtime* runtime_ = nullptr;
  QElapsedTimer clock_;
  QTimer dispatcher_;
  std::optional<std::int64_t> armedFor_;
  int entryDepth_ = 0;
  std::unique_ptr<QWidget> window_;
  std::vector<std::pair<const Form*, FormView*>> views_;
  FormView* displayed_ = nullptr;
  Form* first_ = nullptr;  // the game window, whose close button ends the game
  std::vector<MessagePanel*> boxes_;
  bool forwarding_ = false;
  bool fullScreen_ = false;
  bool maximizedBefore_ = false;  // whether the window was maximised before full screen
  DesktopSound sound_;
  std::unique_ptr<QObject> inputGuard_;
  std::unique_ptr<QAbstractNativeEventFilter> destroyWatch_;
  std::uint64_t tableVersion_ = 0;
  Table table_;
  Announcer announcer_;
  std::unique_ptr<Gamepads> gamepads_;
};

// A runtime on the Qt backend, as the application and the tests use it.
using QtRuntime = RuntimeOn<QtPlatform>;

}  // namespace ui::qt
