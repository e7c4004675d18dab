// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows: registration of their elements and timers, visibility and colour.
#include "ui/form.h"

#include <cassert>

#include "ui/element.h"
#include "ui/runtime.h"
#include "ui/timer.h"

namespace ui {

Form::Form(Runtime& runtime, const FormLayout& layout)
    : runtime_(runtime),
      layout_(layout),
      back_(layout.back),
      elements_(layout.elements.size(), nullptr),
      timers_(layout.timers.size(), nullptr) {
  runtime_.formConstructed(*this);
}

Form::~Form() {
  runtime_.formDestructed(*this);
}

int Form::attach(Element& element, std::string_view name) {
  for (std::size_t i = 0; i < layout_.elements.size(); ++i) {
    if (layout_.elements[i].name == name) {
      assert(elements_[i] == nullptr);
      elements_[i] = &element;
      return static_cast<int>(i);
    }
  }
  assert(!"element missing from the window's inventory");
  return -1;
}

int Form::attach(Timer& timer, std::string_view name) {
  for (std::size_t i = 0; i < layout_.timers.size(); ++i) {
    if (layout_.timers[i].name == name) {
      assert(timers_[i] == nullptr);
      timers_[i] = &timer;
      return static_cast<int>(i);
    }
  }
  assert(!"timer missing from the window's inventory");
  return -1;
}

Element* Form::find(std::string_view name) const {
  for (Element* e : elements_)
    if (e && e->name() == name) return e;
  return nullptr;
}

void Form::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (visible) shownStamp_ = runtime_.nextStamp();
  runtime_.formVisibilityChanged(*this);
}

void Form::setBackColor(Color c) {
  if (back_ == c) return;
  back_ = c;
  runtime_.formChanged(*this);
}

}  // namespace ui
