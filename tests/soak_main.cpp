// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// brivazon-soak: plays many randomized games and reports how fast they go. Built with the
// sanitizers by `make soak`.
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "random_play.h"

int main(int argc, char** argv) {
  std::uint32_t games = 100000;
  std::uint32_t first = 1;
  std::filesystem::path out = "soak-failures";
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string_view flag = argv[i], value = argv[i + 1];
    std::uint32_t* target = flag == "--games" ? &games : flag == "--first-seed" ? &first : nullptr;
    if (flag == "--out") {
      out = std::string(value);
    } else if (!target || std::from_chars(value.data(), value.data() + value.size(), *target).ec !=
                              std::errc()) {
      std::cerr << "usage: brivazon-soak [--games N] [--first-seed S] [--out DIR]\n";
      return 2;
    }
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
