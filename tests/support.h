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
#include <utility>
#include <vector>

#include "content/frm_black.h"
#include "game/brivazon.h"
#include "game/frm_game.h"
#include "game/inventory.h"
#include "sim/driver.h"

namespace ui {
// Colours print as "R,G,B" in a failed expectation.
inline void PrintTo(Color c, std::ostream* os) {
  *os << int(c.r) << ',' << int(c.g) << ',' << int(c.b);
}
}  // namespace ui

namespace testing_support {

// The colours with a meaning, as the game's inventory gives them (the transcripts pin their
// values).
inline constexpr ui::Color kGreen = game::kGreen;
inline constexpr ui::Color kRed = game::kRed;
inline constexpr ui::Color kYellow = game::kYellowChoice;
inline constexpr ui::Color kWhite = game::kWhiteBox;
inline constexpr ui::Color kScoreRest = game::kScoreRest;
inline constexpr ui::Color kRound1 = game::kRound1Colour;
inline constexpr ui::Color kRound2 = game::kRound2Colour;

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

// A scenario played from its text as the runner reads it: its exit status, transcript and errors.
struct Played {
  int status;
  std::string transcript, errors;
};

inline Played playScenario(const std::string& scenario, sim::Options options = {}) {
  std::istringstream in(scenario);
  std::ostringstream out, err;
  sim::Driver driver(out, options);
  const int status = driver.run(in, err);
  return {status, out.str(), err.str()};
}

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

// The topic key that takes an ordinary question: the newest topic when it is one.
inline std::string ordinaryTopic(const game::FrmGame& g) {
  if (g.topicQ3 <= 1000) return "3";
  if (g.topicQ2 <= 1000) return "2";
  return "1";
}

// Plays on `step` at a time until the game reaches `phase` (or ends, or `limit` ms pass).
inline void waitForPhase(Game& game, std::string_view phase, int step = 100, int limit = 60000) {
  const std::int64_t until = game.now() + limit;
  while (game.phase() != phase && !game.ended() && game.now() < until)
    game.play({"wait " + std::to_string(step)});
}

// After a topic key: waits until the card hands the question back, a millisecond at a time
// around the moments a card can end (an ordinary, a round-start and a special card), so the
// game stands at the very millisecond the question came on screen.
inline void toQuestion(Game& game) {
  const std::int64_t key = game.now();
  for (int length : {2300, 4590, 6300, 10000}) {
    if (game.now() < key + length - 2)
      game.play({"wait " + std::to_string(key + length - 2 - game.now())});
    while (game.now() < key + length + 2 && game.phase() != "Question" && !game.ended())
      game.play({"wait 1"});
    if (game.phase() == "Question" || game.ended()) return;
  }
}

// From start-up to the first question on screen: the names, then topic `topic`.
inline void toFirstQuestion(Game& game, const std::vector<std::string>& names,
                            std::string presets = "rnd 0.1 0.5", int topic = 1) {
  game.play(toFirstTopic(names, std::move(presets)));
  game.play({"key " + std::to_string(topic)});
  toQuestion(game);
}

// Steps in which the first seat in play buzzes and answers the question on screen right, up to
// the next topic choice; `afterVerdict` runs once the verdict's box is closed.
inline std::vector<sim::Step> answerRight(const game::FrmGame& g,
                                          const sim::Step& afterVerdict = "wait 0") {
  return {std::string("key ") + (g.playerCount == 1 ? "b" : "q"), "key " + g.answerKey.value(),
          "ok", afterVerdict, "wait 5"};
}

// From a topic choice, plays one ordinary question answered right by the first seat in play a
// tenth of a second after it came on screen (the window's colour follows the round by then), up
// to the next topic choice; `afterVerdict` runs once the verdict's box is closed.
inline void playOrdinaryQuestion(Game& game, const sim::Step& afterVerdict = "wait 0") {
  game.play({"key " + ordinaryTopic(game.g())});
  toQuestion(game);
  std::vector<sim::Step> s = answerRight(game.g(), afterVerdict);
  s.insert(s.begin(), "wait 100");
  game.play(s);
}

// The score boxes keep the colours of `until` to the millisecond before `at`, and from `at` on
// all three are at rest and the colour timer is off.
inline void expectColoursRestAt(
    Game& game, std::int64_t at,
    std::initializer_list<std::pair<const ui::Label*, ui::Color>> until) {
  game.play({"wait " + std::to_string(at - 1 - game.now())});
  for (const auto& [score, colour] : until)
    EXPECT_EQ(score->backColor(), colour) << score->name();
  game.play({"wait 1"});
  for (const ui::Label* score : {&game.g().lblQ, &game.g().lblB, &game.g().lblP})
    EXPECT_EQ(score->backColor(), kScoreRest) << score->name();
  EXPECT_FALSE(game.g().tmrMonColor.enabled());
}

// Players seated at a game, with a clock counted from the moment the last question came on
// screen.
class Table {
 public:
  Game game;
  std::vector<std::string> seats;  // the buzz keys of the players, in the order of their names
  std::int64_t shownAt = 0;        // when the last question came on screen

  game::FrmGame& g() { return game.g(); }

  // Seats the players (one in the middle, two at the sides) and plays to the first topic.
  void seat(const std::vector<std::string>& names) {
    static const std::vector<std::vector<std::string>> keys = {{"b"}, {"q", "p"}, {"q", "b", "p"}};
    seats = keys[names.size() - 1];
    game.play(toFirstTopic(names));
    ASSERT_EQ(game.phase(), "CTopic1");
  }

  // Chooses topic k and waits until its question is on screen.
  void choose(int k) {
    game.play({"key " + std::to_string(k)});
    toQuestion(game);
    ASSERT_EQ(game.phase(), "Question");
    shownAt = game.lastTime("phase \"Question\"");
  }

  // Advances the clock to `ms` after the question came on screen, then plays `then`.
  void at(std::int64_t ms, std::vector<sim::Step> then = {}) {
    ASSERT_GE(shownAt + ms, game.now()) << "the script went past " << ms;
    std::vector<sim::Step> s{"wait " + std::to_string(shownAt + ms - game.now())};
    s.insert(s.end(), then.begin(), then.end());
    game.play(s);
    EXPECT_EQ(game.status(), 0) << game.errors();
  }

  // Chooses the first ordinary topic on offer (ordinaryTopic takes the last), passing over a
  // special one, which stays on offer.
  void chooseOrdinary() { choose(g().topicQ1 <= 1000 ? 1 : g().topicQ2 <= 1000 ? 2 : 3); }

  // Half a second after the question came on screen, the first player answers it right. `rnd`
  // queues the draws of the next question (its prompted seat, then its question).
  void answerRight(const std::string& rnd = "") {
    std::vector<sim::Step> s = testing_support::answerRight(g());
    s.insert(s.begin(), "wait 500");
    if (!rnd.empty()) s.insert(s.begin(), "rnd " + rnd);
    game.play(s);
    ASSERT_EQ(game.phase(), "CTopic1");
  }

  // Nobody buzzes on the ordinary question on screen: it times out and reveals its answer.
  void letTimeOut(const std::string& rnd = "") {
    std::vector<sim::Step> s{"wait 15005", "ok"};
    if (!rnd.empty()) s.insert(s.begin(), "rnd " + rnd);
    game.play(s);
    ASSERT_EQ(game.phase(), "CTopic1");
  }
};

}  // namespace testing_support
