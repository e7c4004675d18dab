// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser backend of the windowing layer: the page's DOM as the screen, its clock, its keys
// and a dialog for message boxes.
//
// The game runs in one loop that waits for the browser (Asyncify suspends the WebAssembly while
// the page's own event loop runs): it wakes when an event arrives from the page or when the next
// game timer falls due, brings the game's clock to the page's time (firing the ticks that fell
// due) and hands the events on. The page queues every event; the game takes them only here, so
// a handler never runs inside another. A message box opens a dialog and runs the same loop
// nested, until the player closes it: other timers keep firing meanwhile, keys other than those
// that close it are lost, and a box opened meanwhile nests inside it, as a desktop's modal
// dialogs do. Only one wait is ever suspended, so Asyncify's one-suspension rule always holds.
//
// One browser timer is armed, for the next tick that can change anything, and none when nothing
// is due. The page's clock stops while the page is hidden: a hidden page is a paused game.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/announcer.h"
#include "ui/gamepad.h"
#include "ui/platform.h"
#include "ui/runtime.h"
#include "ui/table.h"

namespace ui::web {

class WebPlatform final : public Platform {
 public:
  // A real clock that fell this far behind drops ticks instead of replaying them, as on the
  // desktop.
  static constexpr std::int64_t kMaxLagMs = 250;

  WebPlatform() = default;
  WebPlatform(const WebPlatform&) = delete;
  WebPlatform& operator=(const WebPlatform&) = delete;

  // Binds the runtime, starts its clock and seeds its random numbers from the clock (or queues
  // the draws a test fixed before the page loaded).
  void attach(Runtime& runtime);

  // Runs one event of the game: the clock brought to the page's time first, ProgramEnd stopped
  // here.
  template <class Deliver>
  void enter(Deliver&& deliver) {
    if (ending()) return;
    try {
      catchUp();
      deliver();
    } catch (const ProgramEnd&) {
      // The program ended: nothing of the handler that asked for it runs on.
    }
    settleKeyboard();
    followTable();
  }

  // Waits for the page and plays its events until the game ends.
  void run();

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

 private:
  struct Event;

  bool ending() const { return !runtime_ || runtime_->ending(); }
  void catchUp();
  // Queues the random draws a browser test fixed (none in play).
  void takeFixedDraws();
  // Sleeps until the next tick that can change anything or until the page has an event.
  void waitForPage();
  // Plays the events the page has queued; true when one of them closed the message box on top.
  void playEvents();
  void play(const Event& event);
  // A tap, click or pen at a place of the scene, in its pixels (beyond them in its margins).
  void tap(float x, float y, float minTarget);
  void showFront();
  // Draws an element's text at the largest size up to its own that shows it whole.
  void fitText(const Element& element);
  void settleKeyboard();
  // What the page offers a screen reader follows the game's description of the table: the
  // page's title, the texts in view in the game's order, the box's name and the announcements;
  // the last description also gives the final scores the page shows at the end.
  void followTable();
  int formId(const Form& form) const;

  Runtime* runtime_ = nullptr;
  std::vector<const Form*> forms_;  // by the page's id for them; destroyed ones stay null
  int displayed_ = -1;
  int focused_ = -2;     // the page's id of the box with the keyboard, -1 the window
  int boxesOpen_ = 0;    // message boxes open, nested
  int boxesClosed_ = 0;  // OK presses not yet taken by the box on top
  std::uint64_t tableVersion_ = 0;
  bool holdClock_ = false;  // the event is a finger that landed with the one before it
  Table table_;
  Announcer announcer_;
  PadSeats pads_;
};

// A runtime on the browser backend.
using WebRuntime = RuntimeOn<WebPlatform>;

}  // namespace ui::web
