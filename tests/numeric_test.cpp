// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Number text and number reading give what the standard library's own conversions give, through
// the path every compiler of the game shares, and whatever locale the desktop has set.
#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "ui/numeric.h"

namespace {

template <class F>
std::string standardText(F v) {
  char buf[400];
  if (v == F(0)) v = F(0);
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  return std::string(buf, ptr);
}

// Values of every kind a caption or a dump may hold: whole numbers, halves and tenths, powers
// of two and ten (where the shortest text is hardest to find), and random bit patterns.
template <class Check>
void everyKindOfValue(Check check) {
  for (int e = -30; e <= 60; ++e) {
    check(std::ldexp(1.0, e));
    check(std::pow(10.0, e));
    check(-3 * std::pow(10.0, e));
  }
  std::mt19937_64 gen(7);
  for (int i = 0; i < 5000; ++i) {
    check(static_cast<double>(static_cast<int>(gen() % 200001) - 100000) / (1 + gen() % 1000));
    check(std::ldexp(static_cast<double>(gen() % 100000), -static_cast<int>(gen() % 30)));
    const std::uint64_t bits = gen();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v) && std::fabs(v) < 1e300 && std::fabs(v) > 1e-290) check(v);
  }
}

TEST(NumberText, IsTheShortestFixedTextOfTheStandardLibraryForDoublesAndSingles) {
  int wrong = 0;
  everyKindOfValue([&](double v) {
    if (std::string(ui::num(v).view()) != standardText(v) && ++wrong < 5)
      ADD_FAILURE() << "double " << standardText(v) << " written " << ui::num(v).view();
    const auto f = static_cast<float>(v);
    if (std::isfinite(f) && std::string(ui::NumText::single(f).view()) != standardText(f) &&
        ++wrong < 5)
      ADD_FAILURE() << "single " << standardText(f) << " written " << ui::NumText::single(f).view();
  });
  EXPECT_EQ(wrong, 0);
}

TEST(NumberText, ReadsBackEveryTextItWritesEvenInALocaleWithADecimalComma) {
  // The desktop toolkit sets the user's locale; a French one writes 12,5 in the C library.
  const std::string before = std::setlocale(LC_ALL, nullptr);
  const bool french = std::setlocale(LC_ALL, "fr_FR.UTF-8") || std::setlocale(LC_ALL, "fr_FR");
  int wrong = 0;
  everyKindOfValue([&](double v) {
    if (ui::val(ui::num(v)) != v && ++wrong < 5)
      ADD_FAILURE() << standardText(v) << " read back as " << ui::val(ui::num(v));
  });
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(ui::num(12.5).view(), "12.5");
  EXPECT_EQ(ui::val("12.5 points"), 12.5);
  double v = 0;
  EXPECT_TRUE(ui::readNumber("0.25", v));
  EXPECT_EQ(v, 0.25);
  std::setlocale(LC_ALL, before.c_str());
  if (!french) GTEST_LOG_(INFO) << "no French locale here: checked in the C locale only";
}

TEST(NumberText, ReadingTakesOnlyPlainDecimals) {
  EXPECT_EQ(ui::val("1e5"), 1);
  EXPECT_EQ(ui::val("0x10"), 0);
  EXPECT_EQ(ui::val("+7.5"), 7.5);
  EXPECT_EQ(ui::val("1.2.3"), 1.2);
  EXPECT_EQ(ui::val("."), 0);
  EXPECT_EQ(ui::val("-.5"), -0.5);
  EXPECT_EQ(ui::val("inf"), 0);
  double v = 0;
  EXPECT_TRUE(ui::readNumber("1e-3", v));
  EXPECT_EQ(v, 0.001);
  for (const char* bad : {"", " 0.5", "+0.5", "0x0.8", "nan", "0.5 ", "0.5x"})
    EXPECT_FALSE(ui::readNumber(bad, v)) << bad;
}

}  // namespace
