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
// The shell below (ui/shell.h) runs every event, the window in front, the boxes and the
// keyboard; this backend is its surface in the page. One browser timer is armed, for the next
// tick that can change anything, and none when nothing is due. The page's clock stops while the
// page is hidden: a hidden page is a paused game.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/gamepad.h"
#include "ui/runtime.h"
#include "ui/shell.h"

namespace ui::web {

class WebPlatform final : private Surface, public Shell {
 public:
  WebPlatform() : Shell(static_cast<Surface&>(*this)) {}
  WebPlatform(const WebPlatform&) = delete;
  WebPlatform& operator=(const WebPlatform&) = delete;

  // Binds the runtime, starts its clock and seeds its random numbers from the clock (or queues
  // the draws a test fixed before the page loaded); tells the page the numbers of its events.
  void attach(Runtime& runtime);

  // Waits for the page and plays its events until the game ends.
  void run();

  void beep() override;
  float measureText(const Label& label, std::string_view text) override;
  void programEnding() override;

 private:
  struct Event;

  // The page's clock; the draws a test fixed up to now are queued first.
  std::int64_t clock() override;
  // The page is waited for in the game's own loop, which reads the next due tick itself.
  void armTimer(std::optional<std::int64_t>) override {}
  void createWindow(Form& form) override;
  void destroyWindow(Form& form) override;
  void bringToFront(Form& form, Form* before) override;
  void updateWindow(Form& form) override;
  void updateElement(Element& element, Property p) override;
  void openBox(std::string_view title, std::string_view text, const PixelRect& area) override;
  void placeBoxes(const PixelRect& area) override;
  // Sleeps until the next tick that can change anything or until the page has an event, then
  // plays what came: one round of the game's loop, nested while a box waits for its answer.
  void waitForAnswer() override;
  void closeBox() override;
  void pressOk() override;
  void giveKeyboard(const KeyboardTarget& target) override;
  void nameBox(TextBox& box, const std::string& name) override;
  void tableChanged(const Table& now, const Table& before) override;
  void announce(const Announcement& announcement) override;

  // Queues the random draws a browser test fixed (none in play).
  void takeFixedDraws();
  void play(const Event& event);
  // A tap, click or pen at a place of the scene, in its pixels (beyond them in its margins).
  void tap(float x, float y, float minTarget);
  // Draws an element's text at the largest size up to its own that shows it whole.
  void fitText(const Element& element);
  int formId(const Form& form) const;

  std::vector<const Form*> forms_;   // by the page's id for them; destroyed ones stay null
  std::vector<TextBox*> boxes_;      // by the page's id for them; destroyed ones stay null
  std::optional<TextBox*> focused_;  // the box the page gave the keyboard, none for the window
  PadSeats pads_;
};

// A runtime on the browser backend.
using WebRuntime = RuntimeOn<WebPlatform>;

}  // namespace ui::web
