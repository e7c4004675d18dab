// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// brivazon-sim: plays a scenario read from standard input on the headless game and prints the
// transcript of what a player would see and hear; or prints the screen inventory as JSON, or
// every text the game can show.
#include <charconv>
#include <cstring>
#include <iostream>
#include <string_view>

#include "game/texts.h"
#include "sim/driver.h"
#include "sim/inventory_json.h"

namespace {

constexpr const char* kUsage =
    "usage: brivazon-sim [--seed N] [--every-tick] < game.scn > transcript.txt\n"
    "       brivazon-sim --inventory > inventory.json\n"
    "       brivazon-sim --texts > texts.txt\n"
    "  --inventory  print both windows' elements and timers (geometry in twips) as JSON\n"
    "  --texts      print every text the game can show, one a line (the page's fonts keep\n"
    "               their characters)\n";

}  // namespace

int main(int argc, char** argv) {
  sim::Options options;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--help") {
      std::cout << kUsage;
      return 0;
    } else if (arg == "--inventory") {
      sim::writeInventory(std::cout);
      return 0;
    } else if (arg == "--texts") {
      for (std::string_view text : game::everyText())
        std::cout << text << '\n';
      return 0;
    } else if (arg == "--every-tick") {
      options.everyTick = true;
    } else if (arg == "--seed") {
      if (i + 1 == argc) {
        std::cerr << "brivazon-sim: --seed needs a value\n" << kUsage;
        return 2;
      }
      std::string_view value = argv[++i];
      auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), options.seed);
      if (ec != std::errc() || ptr != value.data() + value.size()) {
        std::cerr << "brivazon-sim: --seed takes a whole number, not '" << value << "'\n";
        return 2;
      }
    } else {
      std::cerr << "brivazon-sim: unknown option '" << arg << "'\n" << kUsage;
      return 2;
    }
  }
  std::ios::sync_with_stdio(false);
  sim::Driver driver(std::cout, options);
  return driver.run(std::cin, std::cerr);
}
