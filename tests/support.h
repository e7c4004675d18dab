// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Test support: a whole game on the headless backend, played through the scenario driver.
//
// Tests script a game the way a scenario file does ("key 2", "wait 300", "ok") and may put C++
// checks between the commands. They then read the game window's state and the transcript.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "content/frm_black.h"
#include "game/brivazon.h"
#include "game/frm_game.h"
#include "sim/driver.h"

namespace testing_support {

class Game {
 public:
  explicit Game(sim::Options options = {}) : driver_(transcript_, options) {}

  // Plays more of the scenario. Ends with "idle" in the transcript when the script runs out
  // (inside a message box, the box's handler is abandoned: check state, don't play on).
  Game& play(std::vector<sim::Step> steps) {
    status_ = driver_.run(std::move(steps), errors_);
    return *this;
  }

  sim::Driver& driver() { return driver_; }
  game::FrmGame& g() { return driver_.frmGame(); }
  content::FrmBlack* card() { return content::loadedFrmBlack(driver_.brivazon()); }
  std::string phase() { return g().lblCheckpoint.caption(); }
  std::int64_t now() const { return driver_.now(); }
  bool ended() const { return driver_.ended(); }
  int status() const { return status_; }
  std::string transcript() const { return transcript_.str(); }
  std::string errors() const { return errors_.str(); }
  // Every message box so far, as "TITLE|TEXT".
  const std::vector<std::string>& messages() const { return driver_.messages(); }
  // The time stamp of the last transcript line holding `part`, or -1.
  std::int64_t lastTime(std::string_view part) const {
    std::int64_t t = -1;
    std::istringstream in(transcript_.str());
    for (std::string l; std::getline(in, l);)
      if (l.find(part) != std::string::npos) t = std::stoll(l.substr(1));
    return t;
  }
  // The transcript's lines that contain `part`, without their time stamps.
  std::vector<std::string> lines(std::string_view part) const {
    std::vector<std::string> out;
    std::istringstream in(transcript_.str());
    for (std::string l; std::getline(in, l);) {
      if (l.find(part) == std::string::npos) continue;
      auto close = l.find("] ");
      out.push_back(close == std::string::npos ? l : l.substr(close + 2));
    }
    return out;
  }

 private:
  std::ostringstream transcript_;
  std::ostringstream errors_;
  sim::Driver driver_;
  int status_ = -1;
};

// Steps from start-up to the first topic choice: the count key, the names typed one by one
// (an empty name closes its "Pas de nom!" box), the welcome card. `seats` queues the random
// values for the two start-up presets first.
inline std::vector<sim::Step> toFirstTopic(const std::vector<std::string>& names,
                                           std::string presets = "rnd 0.1 0.5") {
  std::vector<sim::Step> s{presets, "start", "key " + std::to_string(names.size()), "wait 300"};
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!names[i].empty()) s.emplace_back("type " + names[i]);
    s.emplace_back("key ENTER");
    if (names[i].empty()) s.emplace_back("ok");
    s.emplace_back("wait 300");
  }
  s.emplace_back("wait 2600");
  return s;
}

}  // namespace testing_support
