// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing numeric captions, the same bytes on every compiler and in every locale.
//
// Whole numbers, nearly every number the game shows, take the integer conversions that every
// standard library has. Others go through the C library's correctly rounded conversions under
// the "C" locale: the shortest text is the first precision whose text reads back as the value.
#include "ui/numeric.h"

#include <locale.h>
#include <charconv>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace ui {

namespace {

// The C library's conversions in the "C" locale for as long as it lives, on this thread only.
class CLocale {
 public:
  CLocale() : previous_(uselocale(plain())) {}
  ~CLocale() { uselocale(previous_); }
  CLocale(const CLocale&) = delete;
  CLocale& operator=(const CLocale&) = delete;

 private:
  static locale_t plain() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
  }
  locale_t previous_;
};

// Below this, a whole double is its own shortest text, and exact as a 64-bit integer.
constexpr double kWholeLimit = 1e15;

template <class F>
F parse(const char* text, char** end) {
  if constexpr (sizeof(F) == sizeof(float))
    return std::strtof(text, end);
  else
    return std::strtod(text, end);
}

// "d.ddde+XX" with the fewest digits that read back as the value, the nearest such text when
// several do. Printing at each precision gives the nearest text of that many digits; below a
// power of two the values that read back lie closer on one side than the other, so the next text
// up or down may read back where the nearest does not.
template <class F>
std::string shortestScientific(F value) {
  constexpr int kMaxDigits = sizeof(F) == sizeof(float) ? 9 : 17;
  CLocale c;
  char text[48];
  for (int digits = 1; digits <= kMaxDigits; ++digits) {
    std::snprintf(text, sizeof text, "%.*e", digits - 1, static_cast<double>(value));
    if (parse<F>(text, nullptr) == value) return text;
    // The same digits as one whole number, and the power of ten of its last digit.
    const char* e = std::strchr(text, 'e');
    std::string mantissa;
    for (const char* q = text; q < e; ++q)
      if (*q != '.' && *q != '-') mantissa.push_back(*q);
    const long long whole = std::atoll(mantissa.c_str());
    const int scale = std::atoi(e + 1) - (digits - 1);
    for (long long step : {1LL, -1LL}) {
      char candidate[48];
      std::snprintf(candidate, sizeof candidate, "%s%llde%d", value < 0 ? "-" : "", whole + step,
                    scale);
      if (parse<F>(candidate, nullptr) != value) continue;
      // Back to one digit before the point ("1000e-3" is "1.000e+0" when 999 went up by one).
      const std::string d = std::to_string(whole + step);
      const int exponent = scale + static_cast<int>(d.size()) - 1;
      std::snprintf(text, sizeof text, "%s%c.%se%d", value < 0 ? "-" : "", d[0], d.c_str() + 1,
                    exponent);
      return text;
    }
  }
  std::snprintf(text, sizeof text, "%.*e", kMaxDigits - 1, static_cast<double>(value));
  return text;
}

// Writes the shortest fixed-notation text of a finite value into out; returns its length.
template <class F>
std::size_t shortestFixed(F value, char* out, std::size_t size) {
  if (value == F(0)) value = F(0);  // never "-0"
  if (std::trunc(value) == value && std::fabs(value) < F(kWholeLimit)) {
    auto [ptr, ec] = std::to_chars(out, out + size, static_cast<long long>(value));
    return ec == std::errc() ? static_cast<std::size_t>(ptr - out) : 0;
  }
  // A whole number too large for the integer conversion: its exact digits, as to_chars gives.
  if (std::trunc(value) == value) {
    CLocale c;
    const int n = std::snprintf(out, size, "%.0f", static_cast<double>(value));
    return n > 0 && static_cast<std::size_t>(n) < size ? static_cast<std::size_t>(n) : 0;
  }
  const std::string sci = shortestScientific(value);
  const char* p = sci.c_str();
  std::string text;
  if (*p == '-') text.push_back(*p++);
  std::string mantissa;
  for (; *p && *p != 'e'; ++p)
    if (*p != '.') mantissa.push_back(*p);
  while (mantissa.size() > 1 && mantissa.back() == '0')
    mantissa.pop_back();
  const int exponent = std::atoi(p + 1);
  const int count = static_cast<int>(mantissa.size());
  if (exponent >= count - 1) {
    text += mantissa;
    text.append(static_cast<std::size_t>(exponent - (count - 1)), '0');
  } else if (exponent >= 0) {
    text.append(mantissa, 0, static_cast<std::size_t>(exponent) + 1);
    text.push_back('.');
    text.append(mantissa, static_cast<std::size_t>(exponent) + 1);
  } else {
    text += "0.";
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    text += mantissa;
  }
  if (text.size() > size) return 0;
  std::memcpy(out, text.data(), text.size());
  return text.size();
}

// Reads the decimal text [first, last) as strtod does in the "C" locale; the end of what it read
// goes to *used.
double readDecimal(std::string_view text, std::size_t* used) {
  const std::string copy(text);
  CLocale c;
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  *used = static_cast<std::size_t>(end - copy.c_str());
  return value;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

double val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  std::size_t j = i;
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
  std::size_t digitsStart = j;
  bool whole = true;
  while (j < text.size() && (isDigit(text[j]) || text[j] == '.')) {
    whole = whole && text[j] != '.';
    ++j;
  }
  if (j == digitsStart) return 0.0;
  const bool negative = text[i] == '-';
  if (whole && j - digitsStart <= 15) {
    long long n = 0;
    for (std::size_t k = digitsStart; k < j; ++k)
      n = n * 10 + (text[k] - '0');
    return negative ? -static_cast<double>(n) : static_cast<double>(n);
  }
  // Only what was scanned is read: the C library would take exponents and hexadecimal too.
  const std::string_view number = text.substr(digitsStart, j - digitsStart);
  if (number.front() == '.' && (number.size() == 1 || !isDigit(number[1]))) return 0.0;
  std::size_t used = 0;
  const double value = readDecimal(number, &used);
  if (used == 0) return 0.0;
  return negative ? -value : value;
}

bool readNumber(std::string_view text, double& value) {
  // Plain decimal text only: no blanks, no '+', no hexadecimal, infinities or NaN.
  if (text.empty() || !(isDigit(text[0]) || text[0] == '.' || text[0] == '-')) return false;
  for (char ch : text)
    if (!(isDigit(ch) || ch == '.' || ch == '-' || ch == '+' || ch == 'e' || ch == 'E'))
      return false;
  std::size_t used = 0;
  const double v = readDecimal(text, &used);
  if (used != text.size()) return false;
  value = v;
  return true;
}

NumText::NumText(double value) {
  len_ = shortestFixed(value, buf_, sizeof buf_);
}

NumText NumText::single(float value) {
  NumText text;
  text.len_ = shortestFixed(value, text.buf_, sizeof text.buf_);
  return text;
}

}  // namespace ui
