// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every scenario under tests/data plays through its `expect` lines, and one with an .expected
// transcript plays back byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support.h"

namespace {

using testing_support::Played;
using testing_support::playScenario;

std::string readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// A scenario's `expect` lines all hold, and where it has a transcript it gives that transcript.
TEST(Scenarios, EveryExampleMeetsItsExpectationsAndGivesItsExpectedTranscript) {
  int checked = 0;
  for (const auto& entry : std::filesystem::directory_iterator(BRIVAZON_TEST_DATA)) {
    if (entry.path().extension() != ".scn") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const Played played = playScenario(readFile(entry.path()));
    EXPECT_EQ(played.status, 0) << played.errors;
    auto expected = entry.path();
    expected.replace_extension(".expected");
    if (!std::filesystem::exists(expected)) continue;
    EXPECT_EQ(played.transcript, readFile(expected));
    ++checked;
  }
  EXPECT_GE(checked, 2);
}

// Skipping the polling ticks that are proved idle must not change anything a player sees.
TEST(Scenarios, SkippingIdleTicksGivesTheSameTranscriptAsRunningEveryTick) {
  for (const auto& entry : std::filesystem::directory_iterator(BRIVAZON_TEST_DATA)) {
    if (entry.path().extension() != ".scn") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const std::string scenario = readFile(entry.path());
    EXPECT_EQ(playScenario(scenario).transcript,
              playScenario(scenario, sim::Options{1, true}).transcript);
  }
}

}  // namespace
