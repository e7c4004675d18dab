// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing numeric captions.
#include "ui/numeric.h"

#include <charconv>

namespace ui {

double val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  std::size_t j = i;
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
  std::size_t digitsStart = j;
  while (j < text.size() && ((text[j] >= '0' && text[j] <= '9') || text[j] == '.'))
    ++j;
  if (j == digitsStart) return 0.0;
  // from_chars rejects a leading '+', so skip it by hand.
  std::size_t from = (text[i] == '+') ? i + 1 : i;
  double value = 0.0;
  auto [ptr, ec] = std::from_chars(text.data() + from, text.data() + j, value);
  if (ec != std::errc()) return 0.0;
  return value;
}

template <class T>
void NumText::format(T value) {
  if (value == 0) value = 0;  // never "-0"
  // Fixed notation: the shortest text of 100000 would otherwise be "1e+05", which reads back
  // as 1.
  auto [ptr, ec] = std::to_chars(buf_, buf_ + sizeof buf_, value, std::chars_format::fixed);
  len_ = (ec == std::errc()) ? static_cast<std::size_t>(ptr - buf_) : 0;
}

NumText::NumText(double value) {
  format(value);
}

NumText NumText::single(float value) {
  NumText text;
  text.format(value);
  return text;
}

}  // namespace ui
