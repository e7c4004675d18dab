// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Timer properties and the schedule rules they imply.
#include "ui/timer.h"

#include "ui/form.h"
#include "ui/runtime.h"

namespace ui {

Timer::Timer(Form& form, std::string_view name) : form_(form) {
  int index = form.attach(*this, name);
  layout_ = &form.layout().timers[static_cast<std::size_t>(index)];
  rank_ = form.layout().rank * 1000 + index;
  enabled_ = layout_->enabled;
  interval_ = layout_->interval;
  nextDue_ = form.runtime().now() + interval_;
  form.runtime().scheduler().add(*this);
}

Timer::~Timer() {
  form_.runtime().scheduler().remove(*this);
}

void Timer::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;  // enabling an enabled timer keeps its schedule
  enabled_ = enabled;
  Runtime& rt = form_.runtime();
  if (enabled) nextDue_ = rt.now() + interval_;
  rt.touch();
  rt.timersChanged();
}

void Timer::setInterval(int ms) {
  Runtime& rt = form_.runtime();
  interval_ = ms < 1 ? 1 : ms;
  // Setting the interval starts a new schedule from this moment.
  nextDue_ = rt.now() + interval_;
  rt.touch();
  rt.timersChanged();
}

}  // namespace ui
