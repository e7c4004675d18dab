// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one timer scheduler both backends share; only the clock that drives it differs.
//
// advanceTo(t) fires every tick due up to t in time order, same-instant ties in the order of
// the windows' timer tables. A timer whose handler is still running (waiting in a message box)
// is not fired again: the ticks it misses are dropped and its schedule goes on from where it
// was. Polling timers whose last tick changed nothing are skipped while nothing else changes,
// by moving their schedule forward in one step, so an idle game costs nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace ui {

class Runtime;
class Timer;

class Scheduler {
 public:
  explicit Scheduler(Runtime& runtime) : runtime_(runtime) {}

  void add(Timer& timer);
  void remove(Timer& timer);

  // Fire every tick due at or before `target`, then leave the clock at `target` (or later, if a
  // nested wait inside a handler already went further).
  void advanceTo(std::int64_t target);

  // When the next tick that may change something falls due; nullopt when nothing is due.
  std::optional<std::int64_t> nextDue() const;

  // Run every tick, even those proved to change nothing (for checking the proof).
  void setEveryTick(bool everyTick) { everyTick_ = everyTick; }
  // With a real clock, a timer more than this far behind drops its missed ticks instead of
  // catching up (a suspended laptop must not replay an hour of ticks). 0: never.
  void setMaxLag(std::int64_t ms) { maxLag_ = ms; }

  // Ticks fired, for benchmarks.
  std::uint64_t ticksFired() const { return ticksFired_; }

 private:
  bool skippable(const Timer& t) const;
  Timer* nextCandidate(std::int64_t target) const;
  void fire(Timer& t);

  Runtime& runtime_;
  std::vector<Timer*> timers_;  // sorted by rank
  bool everyTick_ = false;
  std::int64_t maxLag_ = 0;
  std::uint64_t ticksFired_ = 0;
};

}  // namespace ui
