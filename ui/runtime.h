// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The windowing layer's runtime: clock, timers, keyboard routing, services and program end.
//
// One Runtime serves one run of the game. Backends call its event entry points (a key, the
// clock reaching a time, the window's close button); the game's handlers call its services
// (message box, beep, random numbers, program end). Program end unwinds the handler that asked
// for it with ProgramEnd, so nothing of that handler runs afterwards; each backend catches it at
// its own event entry and never lets it cross a toolkit frame.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/keys.h"
#include "ui/platform.h"
#include "ui/random.h"
#include "ui/scheduler.h"
#include "ui/table.h"

namespace ui {

class Timer;
class Variable;

// Thrown by Runtime::quit() to unwind the handlers that are running.
struct ProgramEnd {};

class Runtime {
 public:
  explicit Runtime(Platform& platform);
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;
  ~Runtime();

  Platform& platform() const { return platform_; }
  Scheduler& scheduler() { return scheduler_; }
  RandomSource& random() { return random_; }
  // The one function every random draw of the game goes through.
  float rnd() { return random_.next(); }

  void setAppTitle(std::string_view title) { appTitle_ = title; }
  const std::string& appTitle() const { return appTitle_; }

  // The game's description of the table (the seats in play, the screen showing); an empty
  // table until the game gives its describer.
  void setTableSource(std::function<Table()> source) { tableSource_ = std::move(source); }
  Table table() const { return tableSource_ && !ending_ ? tableSource_() : Table{}; }

  // Milliseconds on the backend's clock; during a tick, the time the tick fell due. A backend
  // with a real clock sets it before it delivers an event.
  std::int64_t now() const { return now_; }
  void setNow(std::int64_t t) { now_ = t; }

  // Grows with every change of state; equal versions prove that nothing changed between them.
  std::uint64_t version() const { return version_; }

  // Services for the game. messageBox returns the button pressed (always OK, 1).
  int messageBox(std::string_view text);
  int messageBox(std::string_view text, std::string_view title);
  void beep();
  [[noreturn]] void quit();
  bool ending() const { return ending_; }
  float measureText(const Label& label, std::string_view text);

  // Windows. load() announces a new window and runs its Form_Load; unload() runs Form_Unload,
  // stops its timers and announces its end (the owner destroys it once the event is over).
  void load(Form& form);
  void unload(Form& form);
  void retire(std::unique_ptr<Form> form);
  const std::vector<Form*>& forms() const { return forms_; }
  // The window in front (the one shown most recently that is still visible), or none.
  Form* front() const;
  // The text box that has the keyboard: visible and enabled on the window in front, the one
  // shown most recently if two are; none when the window itself has it.
  TextBox* keyboardBox() const;

  // Event entry points for the backends; each may throw ProgramEnd.
  // A key routed as a keyboard would: to the box that has the keyboard (its KeyDown with
  // keyCode and shift), else to the window in front (its KeyPress with keyAscii, none when
  // that is negative). Returns the box that then types the key as a line edit does, or none:
  // Enter and Escape belong to the handler alone, and a box its handler hid types nothing.
  TextBox* routeKey(int keyAscii, int keyCode, int shift);
  // A key of the headless backend, routed and typed.
  void keyPress(Key key);
  // Types a character or deletes one in a box, as its line edit would (the caret at the end).
  void typeInto(TextBox& box, Key key);
  // A key for the window in front alone, never for a text box (a pad's button).
  void windowKeyPress(Form& form, int keyAscii);
  void advanceTo(std::int64_t t) { scheduler_.advanceTo(t); }
  void closeWindow(Form& form);

 private:
  // Windows, elements, timers and variables report here; the scheduler runs ticks as events.
  friend class Element;
  friend class Form;
  friend class Scheduler;
  friend class TextBox;
  friend class Timer;
  friend class Variable;

  void textBoxKeyDown(TextBox& box, int keyCode, int shift);
  void formConstructed(Form& form);
  void formDestructed(Form& form);
  void elementChanged(Element& element, Property p);
  void formChanged(Form& form);
  void formVisibilityChanged(Form& form);
  std::uint64_t nextStamp() { return ++stamp_; }
  void timersChanged() { platform_.timersChanged(); }

  // Marks an event in progress: retired windows are destroyed when the outermost one ends, and
  // the state version moves on entry and exit (polling ticks pass touch = false).
  class EventScope {
   public:
    explicit EventScope(Runtime& rt, bool touch = true);
    ~EventScope();
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;

   private:
    Runtime& rt_;
    bool touch_;
  };
  void touch() { ++version_; }

  Platform& platform_;
  Scheduler scheduler_;
  RandomSource random_;
  std::string appTitle_;
  std::function<Table()> tableSource_;
  std::int64_t now_ = 0;
  std::uint64_t version_ = 1;
  std::uint64_t stamp_ = 0;
  bool ending_ = false;
  int depth_ = 0;
  std::vector<Form*> forms_;
  std::vector<std::unique_ptr<Form>> retired_;
};

// A runtime bound to the backend it runs on, as a program or a test holds the pair: the backend
// comes first, so that it outlives the runtime that calls it, and attach() gives it the runtime.
template <class Backend>
class RuntimeOn {
 public:
  RuntimeOn() : runtime_(platform_) { platform_.attach(runtime_); }
  RuntimeOn(const RuntimeOn&) = delete;
  RuntimeOn& operator=(const RuntimeOn&) = delete;

  Backend& platform() { return platform_; }
  Runtime& runtime() { return runtime_; }

 private:
  Backend platform_;
  Runtime runtime_;
};

}  // namespace ui
