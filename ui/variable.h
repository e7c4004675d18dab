// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Window-level variables: a whole number or a text that belongs to a window.
//
// An assignment that really changes the value counts as a change of the game's state, exactly as
// a property write of an element does; an assignment of the value already there changes
// nothing. So a polling tick that only rewrites what stands is still proved idle and skipped,
// and a tick that changes a variable can never be skipped by mistake: there is no other way to
// write one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

class Form;

class Variable {
 public:
  Variable(const Variable&) = delete;

 protected:
  explicit Variable(Form& form) : form_(form) {}
  ~Variable() = default;
  void changed();

 private:
  Form& form_;
};

// A 16-bit whole number, the game's integer.
class Integer : public Variable {
 public:
  explicit Integer(Form& form) : Variable(form) {}
  Integer& operator=(int value) {
    const auto v = static_cast<std::int16_t>(value);
    if (v != value_) {
      value_ = v;
      changed();
    }
    return *this;
  }
  Integer& operator=(const Integer& other) { return *this = static_cast<int>(other.value_); }
  Integer& operator++() { return *this = value_ + 1; }
  operator std::int16_t() const { return value_; }
  const std::int16_t& value() const { return value_; }

 private:
  std::int16_t value_ = 0;
};

class Text : public Variable {
 public:
  explicit Text(Form& form) : Variable(form) {}
  Text& operator=(std::string_view value) {
    if (value_ != value) {
      value_.assign(value);
      changed();
    }
    return *this;
  }
  Text& operator=(const Text& other) { return *this = std::string_view(other.value_); }
  operator std::string_view() const { return value_; }
  const std::string& value() const { return value_; }
  friend bool operator==(const Text& a, std::string_view b) { return a.value_ == b; }

 private:
  std::string value_;
};

}  // namespace ui
