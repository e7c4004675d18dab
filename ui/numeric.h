// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers held in captions.
//
// The game keeps many numbers as label captions ("15", "-500"). They are read back with val(),
// which takes the whole text as a double (a leading number, 0 when there is none), and written
// with NumText, the shortest decimal text with no leading blank, formatted into a fixed buffer
// so that a timer tick that writes a number allocates nothing. Both give the same bytes with
// every compiler the game is built with (the browser's standard library has no floating-point
// to_chars or from_chars) and in every locale (the desktop toolkit sets the user's, where the
// decimal point may be a comma).
#pragma once

#include <cmath>
#include <cstdint>
#include <string_view>

namespace ui {

double val(std::string_view text);

// The whole text as one decimal number ("0.25", "-3", "1e-3"); false when any of it is not.
bool readNumber(std::string_view text, double& value);

// Int: rounding toward minus infinity.
inline double Int(double x) {
  return std::floor(x);
}

// A draw from 1..n with r in [0, 1): computed in double so that it never exceeds n.
inline std::int16_t drawFrom(int n, float r) {
  return static_cast<std::int16_t>(Int(n * static_cast<double>(r) + 1.0));
}

class NumText {
 public:
  explicit NumText(double value);
  // The shortest text that reads back as this single-precision value ("0.1", not the double's
  // "0.100000001490116").
  static NumText single(float value);
  std::string_view view() const { return {buf_, len_}; }
  operator std::string_view() const { return view(); }

 private:
  NumText() = default;
  char buf_[320];  // room for any double in fixed notation
  std::size_t len_ = 0;
};

inline NumText num(double value) {
  return NumText(value);
}

}  // namespace ui
