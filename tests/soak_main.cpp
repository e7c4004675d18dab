// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// brivazon-soak: plays many randomized games and reports how fast they go. Built with the
// sanitizers by `make soak`.
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "random_play.h"

namespace {

constexpr const char* kUsage = "usage: brivazon-soak [--games N] [--first-seed S] [--out DIR]\n";

int refuse(std::string_view why) {
  std::cerr << "brivazon-soak: " << why << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint32_t games = 100000;
  std::uint32_t first = 1;
  std::filesystem::path out = "soak-failures";
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    if (flag == "--help") {
      std::cout << kUsage;
      return 0;
    }
    std::uint32_t* target = flag == "--games" ? &games : flag == "--first-seed" ? &first : nullptr;
    if (!target && flag != "--out") return refuse("unknown option '" + std::string(flag) + "'");
    if (i + 1 == argc) return refuse(std::string(flag) + " needs a value");
    const std::string_view value = argv[++i];
    if (!target) {
      out = std::string(value);
      continue;
    }
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), *target);
    if (ec != std::errc() || end != value.data() + value.size())
      return refuse(std::string(flag) + " takes a whole number, not '" + std::string(value) + "'");
  }
  random_play::Summary summary;
  int failures = 0;
  const auto start = std::chrono::steady_clock::now();
  for (std::uint32_t seed = first; seed < first + games; ++seed) {
    if (auto failure = random_play::playOne(seed, out, summary)) {
      std::cerr << "seed " << failure->seed << ": " << failure->message
                << "\n  replay: brivazon-sim --seed " << failure->seed << " < "
                << failure->scenario.string() << "\n";
      ++failures;
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << summary.games << " games (" << summary.ended << " ended, " << summary.withResult
            << " with their result, " << failures << " failed), " << summary.commands
            << " commands, " << summary.virtualMs / 3600000.0 << " hours of play in " << seconds
            << " s: " << summary.games / seconds << " games per second\n";
  return failures == 0 ? 0 : 1;
}
