// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the desktop and the page do alike, written once over the Surface each backend draws on:
// event entry (the clock caught up, ProgramEnd stopped, then the timer armed, the table followed
// and the keyboard given to the box on top, else the text box the game gave it, else the window
// in front), the window in front, and the stack of message boxes and their place (a box opened
// while another waits stands over it and is answered first; its handler waits in it while other
// timers keep firing). A backend keeps its toolkit's part alone.
#pragma once

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/announcer.h"
#include "ui/keys.h"
#include "ui/layout.h"
#include "ui/platform.h"
#include "ui/runtime.h"
#include "ui/table.h"

namespace ui {

// A rectangle in pixels of the 640 x 480 scene.
struct PixelRect {
  double left = 0, top = 0, width = 0, height = 0;
};

// Twips of the layout in pixels of the scene.
PixelRect toPixels(const Area& area);
PixelRect pixelRect(const Element& element);

// Where message boxes stand while a window is in front: the area its layout gives them, clear of
// what a player must still see, or one centred on the scene when it gives none.
PixelRect boxArea(const FormLayout& layout);

// Who should have the keyboard.
struct KeyboardTarget {
  bool messageBox = false;     // the OK of the box on top
  TextBox* textBox = nullptr;  // else the text box the game gave it
  Form* window = nullptr;      // else the window in front (none while none is)
  friend bool operator==(const KeyboardTarget&, const KeyboardTarget&) = default;
};

// What a backend's toolkit does for the shell.
class Surface {
 public:
  virtual ~Surface() = default;
  virtual std::int64_t clock() = 0;  // milliseconds on the backend's real clock
  // Wakes the game when the game's clock reaches `due`; never when there is none.
  virtual void armTimer(std::optional<std::int64_t> due) = 0;

  virtual void createWindow(Form& form) = 0;
  virtual void destroyWindow(Form& form) = 0;
  // Puts `form` in front in place of `before` (none at first or once it was destroyed).
  virtual void bringToFront(Form& form, Form* before) = 0;
  virtual void updateWindow(Form& form) = 0;  // its back colour
  virtual void updateElement(Element& element, Property p) = 0;

  // Message boxes, newest on top, standing over `area`.
  virtual void openBox(std::string_view title, std::string_view text, const PixelRect& area) = 0;
  virtual void placeBoxes(const PixelRect& area) = 0;
  // Runs the toolkit's events until the box on top is answered (Shell::boxAnswered) or the
  // program ends.
  virtual void waitForAnswer() = 0;
  virtual void closeBox() = 0;
  virtual void pressOk() = 0;  // of the box on top, as a click would

  virtual void giveKeyboard(const KeyboardTarget& target) = 0;
  // What a screen reader is told: the name of the text box that has the keyboard, the table
  // that changed (the screen showing, the seats, the texts in view) and the game's announcements.
  virtual void nameBox(TextBox& box, const std::string& name) = 0;
  virtual void tableChanged(const Table& now, const Table& before) = 0;
  virtual void announce(const Announcement& announcement) = 0;
};

class Shell : public Platform {
 public:
  // A clock this far behind (a suspended laptop) drops ticks instead of replaying them.
  static constexpr std::int64_t kMaxLagMs = 250;

  explicit Shell(Surface& surface) : surface_(surface) {}

  // Binds the runtime this backend serves and starts its clock at the surface's.
  void attach(Runtime& runtime);
  Runtime& runtime() const { return *runtime_; }
  bool ending() const { return !runtime_ || runtime_->ending(); }

  // Runs one event of the game: the clock brought to the real time first (ticks due before it
  // fire) unless `catchUp` is false (a finger that landed with the one before it, at its
  // instant), ProgramEnd stopped here, then the timer armed, the table followed and the
  // keyboard given to whoever has it.
  template <class Deliver>
  void enter(Deliver&& deliver, bool catchUp = true) {
    if (ending()) return;
    ++depth_;
    try {
      catchUpClock(catchUp);
      deliver();
    } catch (const ProgramEnd&) {
      // The program ended: nothing of the handler that asked for it runs on.
    } catch (...) {
      // Nothing may unwind through a toolkit; fail loudly with the exception's own report.
      std::terminate();
    }
    endEntry();
  }

  // The box that types a key, as enter() routes it in an event: the one with the keyboard when
  // its handler let the key through, none when the key is used up. `elsewhere`: the key reached
  // `origin` (the text box whose editor had it, none for the window) before the keyboard moved
  // to the box (a tick showed it first), so the backend types it into the box itself.
  struct Typing {
    TextBox* box = nullptr;
    bool elsewhere = false;
  };
  Typing routeKey(const TextBox* origin, int keyAscii, int keyCode, int shift);
  // A gamepad's key: while a box is open Enter presses its OK and nothing else counts; else the
  // window in front has it unless a text box has the keyboard (a pad cannot type).
  void padPressed(Key key);
  // The player pressed the OK of the box on top (a key, a click, a tap).
  void boxAnswered() {
    if (!answered_.empty()) answered_.back() = true;
  }

  // What the game said of the table after the last event that changed it.
  const Table& table() const { return table_; }
  KeyboardTarget keyboardTarget() const;
  Form* displayed() const { return displayed_; }
  // The game window, first created, whose close button ends the game.
  Form* firstWindow() const { return first_; }
  bool boxOpen() const { return !answered_.empty(); }
  // Where the open boxes stand now.
  PixelRect boxPlace() const;

  void messageBox(std::string_view text, std::string_view title) override;
  void formCreated(Form& form) override;
  void formDestroyed(Form& form) override;
  void formShown(Form&) override { frontChanged(); }
  void formHidden(Form&) override { frontChanged(); }
  void formChanged(Form& form) override { surface_.updateWindow(form); }
  void elementChanged(Element& element, Property p) override;
  // Also after a change of state outside an event (an edit): idle polling timers look again.
  void timersChanged() override;

 protected:
  void settleKeyboard();
  void showFront();

 private:
  void frontChanged() {
    showFront();
    settleKeyboard();
  }
  void followTable();
  void catchUpClock(bool move);
  void endEntry();
  void arm();

  Surface& surface_;
  Runtime* runtime_ = nullptr;
  int depth_ = 0;  // events in progress, nested in message boxes
  Form* displayed_ = nullptr;
  Form* first_ = nullptr;
  std::vector<char> answered_;  // per open box, oldest first: whether its OK was pressed
  std::uint64_t tableVersion_ = 0;
  Table table_;
  Announcer announcer_;
};

}  // namespace ui
