// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The headless backend: a virtual clock, queued random numbers, message boxes answered by a
// script, and a record of everything a player would see and hear.
//
// Time stands still until advance() moves it; advance() fires every tick that falls due, in
// order. A message box calls the box handler, which runs whatever the script does while the
// box is open (waits, keys, OK) and returns once the box is closed, the way a modal dialog's
// own event loop does.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "ui/platform.h"
#include "ui/runtime.h"

namespace ui::headless {

// What a transcript records.
class Observer {
 public:
  virtual ~Observer() = default;
  virtual void messageBoxOpened(std::string_view /*title*/, std::string_view /*text*/) {}
  virtual void beeped() {}
  virtual void programEnded() {}
  virtual void formShown(Form&) {}
  virtual void formHidden(Form&) {}
  virtual void formDestroyed(Form&) {}
  virtual void elementChanged(Element&, Property) {}
};

class HeadlessPlatform : public Platform {
 public:
  // Every character is this wide in twips, so auto-size widths are exact and portable.
  static constexpr float kCharWidth = 120.0f;

  HeadlessPlatform() = default;

  void setObserver(Observer* observer) { observer_ = observer; }
  // Runs while a box is open and returns when it is closed. Without one, boxes close at once.
  void setBoxHandler(std::function<void(std::string_view title, std::string_view text)> handler) {
    boxHandler_ = std::move(handler);
  }
  // Measures auto-size captions with this instead of the fixed width per character, for a
  // picture of the game that must lay its labels out as a real font does.
  void setTextMeasure(std::function<float(const Label&, std::string_view)> measure) {
    measure_ = std::move(measure);
  }

  std::uint64_t beeps() const { return beeps_; }
  std::uint64_t boxes() const { return boxes_; }

  void messageBox(std::string_view text, std::string_view title) override;
  void beep() override;
  float measureText(const Label& label, std::string_view text) override;
  void programEnding() override;
  void formShown(Form& form) override;
  void formHidden(Form& form) override;
  void formDestroyed(Form& form) override;
  void elementChanged(Element& element, Property p) override;

 private:
  Observer* observer_ = nullptr;
  std::function<void(std::string_view, std::string_view)> boxHandler_;
  std::function<float(const Label&, std::string_view)> measure_;
  std::uint64_t beeps_ = 0;
  std::uint64_t boxes_ = 0;
};

// A runtime on the headless backend, seeded for a reproducible game.
class Headless {
 public:
  explicit Headless(std::uint32_t seed = 1) : runtime_(platform_) { runtime_.random().seed(seed); }

  HeadlessPlatform& platform() { return platform_; }
  Runtime& runtime() { return runtime_; }
  const Runtime& runtime() const { return runtime_; }
  // Moves the virtual clock on by `ms`, firing every tick that falls due.
  void advance(std::int64_t ms) { runtime_.advanceTo(runtime_.now() + ms); }

 private:
  HeadlessPlatform platform_;
  Runtime runtime_;
};

}  // namespace ui::headless
