// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Firing timers in time order, dropping the ticks of a blocked timer, skipping idle polls.
#include "ui/scheduler.h"

#include <algorithm>
#include <climits>

#include "ui/runtime.h"
#include "ui/timer.h"

namespace ui {

void Scheduler::add(Timer& timer) {
  auto pos = std::lower_bound(timers_.begin(), timers_.end(), &timer,
                              [](const Timer* a, const Timer* b) { return a->rank_ < b->rank_; });
  timers_.insert(pos, &timer);
  timer.scheduled_ = true;
  runtime_.timersChanged();
}

void Scheduler::remove(Timer& timer) {
  if (!timer.scheduled_) return;
  timers_.erase(std::remove(timers_.begin(), timers_.end(), &timer), timers_.end());
  timer.scheduled_ = false;
  runtime_.timersChanged();
}

bool Scheduler::skippable(const Timer& t) const {
  return !everyTick_ && t.polling_ && t.quiet_ && t.quietVersion_ == runtime_.version();
}

Timer* Scheduler::nextCandidate(std::int64_t target) const {
  Timer* best = nullptr;
  for (Timer* t : timers_) {
    if (!t->enabled_ || t->running_ || t->nextDue_ > target || skippable(*t)) continue;
    // timers_ is in rank order, so the first of equal due times wins the tie.
    if (!best || t->nextDue_ < best->nextDue_) best = t;
  }
  return best;
}

std::optional<std::int64_t> Scheduler::nextDue() const {
  std::optional<std::int64_t> due;
  for (const Timer* t : timers_) {
    if (!t->enabled_ || t->running_ || skippable(*t)) continue;
    if (!due || t->nextDue_ < *due) due = t->nextDue_;
  }
  return due;
}

void Scheduler::advanceTo(std::int64_t target) {
  while (!runtime_.ending()) {
    if (maxLag_ > 0) {
      for (Timer* t : timers_) {
        if (t->enabled_ && target - t->nextDue_ > maxLag_)
          t->nextDue_ += (target - t->nextDue_) / t->interval_ * t->interval_;
      }
    }
    Timer* next = nextCandidate(target);
    // Ticks of quiet polling timers that fall before the next real event (or before the end of
    // this advance) would change nothing: move their schedules past that point in one step.
    // A quiet tick due at the same instant as the event but later in rank order is kept, since
    // the event may give it something to do.
    std::int64_t until = next ? next->nextDue_ : target;
    int untilRank = next ? next->rank_ : INT_MAX;
    for (Timer* t : timers_) {
      if (!t->enabled_ || t->running_ || !skippable(*t)) continue;
      if (t->nextDue_ < until)
        t->nextDue_ += (until - t->nextDue_ + t->interval_ - 1) / t->interval_ * t->interval_;
      if (t->nextDue_ == until && t->rank_ < untilRank) t->nextDue_ += t->interval_;
    }
    if (!next) break;
    fire(*next);
  }
  if (runtime_.now() < target) runtime_.setNow(target);
}

void Scheduler::fire(Timer& t) {
  runtime_.setNow(t.nextDue_);
  t.nextDue_ += t.interval_;
  ++ticksFired_;
  const bool polling = t.polling_;
  Runtime::EventScope scope(runtime_, !polling);
  const std::uint64_t before = runtime_.version();
  struct Running {
    Timer& t;
    explicit Running(Timer& timer) : t(timer) { t.running_ = true; }
    ~Running() { t.running_ = false; }
  } running(t);
  t.handler_();
  if (polling) {
    t.quiet_ = runtime_.version() == before;
    t.quietVersion_ = runtime_.version();
  }
  // Ticks that fell due while the handler was still running (in a message box) are dropped.
  const std::int64_t now = runtime_.now();
  if (t.enabled_ && t.nextDue_ <= now)
    t.nextDue_ += (now - t.nextDue_) / t.interval_ * t.interval_ + t.interval_;
}

}  // namespace ui
