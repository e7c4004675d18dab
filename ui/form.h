// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A window: its caption, back colour, visibility, elements and timers, and its events.
//
// A game window derives from Form and declares its labels, text boxes and timers as members;
// each member finds its row in the window's inventory by name and registers itself here in
// inventory order, which is the order the window paints them and the order a dump lists them.
// The window's events are the virtual functions named after them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout.h"

namespace ui {

class Element;
class Runtime;
class Timer;

// A window-level variable, for dumps.
struct VariableRef {
  std::string_view name;
  const std::int16_t* integer = nullptr;
  const std::string* text = nullptr;
};

class Form {
 public:
  Form(Runtime& runtime, const FormLayout& layout);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  Runtime& runtime() const { return runtime_; }
  const FormLayout& layout() const { return layout_; }
  std::string_view name() const { return layout_.name; }

  bool visible() const { return visible_; }
  void setVisible(bool visible);
  void show() { setVisible(true); }
  void hide() { setVisible(false); }
  std::uint64_t shownStamp() const { return shownStamp_; }

  // Unloaded: gone from the screen and from the keyboard, waiting to be destroyed.
  bool unloaded() const { return unloaded_; }

  Color backColor() const { return back_; }
  void setBackColor(Color c);

  const std::vector<Element*>& elements() const { return elements_; }
  const std::vector<Timer*>& timers() const { return timers_; }
  Element* find(std::string_view name) const;

  // The window's events.
  virtual void Form_Load() {}
  virtual void Form_KeyPress(int /*keyAscii*/) {}
  virtual void Form_Unload() {}

  // The window-level variables, sorted by name.
  virtual std::vector<VariableRef> variables() const { return {}; }

 private:
  friend class Element;
  friend class Runtime;
  friend class Timer;

  // Called by the elements' and timers' constructors: their place in the window's table.
  int attach(Element& element, std::string_view name);
  int attach(Timer& timer, std::string_view name);
  void markUnloaded() {
    unloaded_ = true;
    visible_ = false;
  }

  Runtime& runtime_;
  const FormLayout& layout_;
  bool visible_ = false;
  bool unloaded_ = false;
  std::uint64_t shownStamp_ = 0;
  Color back_;
  std::vector<Element*> elements_;
  std::vector<Timer*> timers_;
};

}  // namespace ui
