// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A window's timer: Enabled, Interval and a Timer handler, on a fixed-rate schedule.
//
// A timer enabled at time t first fires at t + Interval and then every Interval while it stays
// enabled. Enabling an enabled timer keeps its schedule (the welcome card re-enables its pause
// timer on every slide tick and relies on that); disabling and enabling again, or setting the
// interval while enabled, starts a new schedule. The scheduler owns the firing rules.
#pragma once

#include <cstdint>
#include <string_view>

#include "ui/callback.h"
#include "ui/layout.h"

namespace ui {

class Form;
class Scheduler;

class Timer {
 public:
  Timer(Form& form, std::string_view name);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  const TimerLayout& layout() const { return *layout_; }
  std::string_view name() const { return layout_->name; }
  Form& form() const { return form_; }

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  int interval() const { return interval_; }
  void setInterval(int ms);

  void onTimer(Callback handler) { handler_ = handler; }
  // A polling timer only brings the screen into step with state that others change: a tick
  // after which nothing changed, followed by no change anywhere, may be skipped.
  void setPolling(bool polling) { polling_ = polling; }
  bool polling() const { return polling_; }

 private:
  friend class Scheduler;

  Form& form_;
  const TimerLayout* layout_;
  int rank_;
  bool enabled_;
  int interval_;
  bool polling_ = false;
  bool running_ = false;
  bool scheduled_ = false;  // registered with the scheduler
  std::int64_t nextDue_ = 0;
  std::uint64_t quietVersion_ = 0;  // state version after its last tick that changed nothing
  bool quiet_ = false;
  Callback handler_;
};

}  // namespace ui
