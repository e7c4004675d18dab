// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The random player and the invariants it checks.
#include "random_play.h"

#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string_view>
#include <vector>

#include "game/brivazon.h"
#include "game/frm_game.h"
#include "sim/driver.h"
#include "ui/numeric.h"

namespace random_play {

namespace {

struct Broken {
  std::string message;
};

// A stream that swallows the transcript: the checks read the game itself.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

constexpr std::int64_t kPlayLimitMs = 90LL * 60 * 1000;     // then only keys that move on
constexpr std::int64_t kEndLimitMs = 4LL * 60 * 60 * 1000;  // a game must have ended by then
constexpr std::uint64_t kCommandBudget = 4000;

class RandomPlayer : public sim::Source {
 public:
  RandomPlayer(std::uint32_t seed, sim::Driver& driver)
      : rng_(seed * 2654435761u + 0x9E3779B9u), driver_(driver) {}

  bool next(sim::Step& step, int& line) override {
    check();
    std::string command = choose();
    script_.push_back(command);
    versionBeforeBoxKey_ = 0;
    if (driver_.openBoxes() > 0 && isIgnoredBoxKey(command))
      versionBeforeBoxKey_ = driver_.runtime().version();
    step = sim::Step(std::move(command));
    line = static_cast<int>(script_.size());
    return true;
  }

  const std::vector<std::string>& script() const { return script_; }

  // The game's invariants, after every command.
  void check() {
    if (!driver_.started() || driver_.ended()) return;
    game::FrmGame& g = driver_.frmGame();
    static const std::set<std::string, std::less<>> phases{
        "PNumber", "Name", "Intro", "CTopic", "CTopic1", "Topic", "Question", "Answer"};
    if (!phases.contains(g.lblCheckpoint.caption()))
      fail("phase \"" + g.lblCheckpoint.caption() + "\" is not one of the eight");
    const double question = ui::val(g.lblr.caption());
    if (question < 0 || question > 15 || question != ui::Int(question))
      fail("question number \"" + g.lblr.caption() + "\" out of 0..15");
    for (const ui::Label* score : {&g.lblQ, &g.lblB, &g.lblP}) {
      const double v = ui::val(score->caption());
      if (v != ui::Int(v) || std::string_view(ui::num(v)) != score->caption())
        fail("score \"" + score->caption() + "\" is not a whole number");
    }
    // presetQ1 is reused in the final round for the word being played: keep the start-up ids.
    if (presets_.empty()) presets_ = {g.presetQ1, g.presetQ2};
    std::set<int> offered(presets_.begin(), presets_.end());
    int regular = 2;
    for (std::int16_t id : std::initializer_list<std::int16_t>{
             g.drawQ1, g.drawQ2, g.drawQ4, g.drawQ5, g.drawQ6, g.drawQ7, g.drawQ8, g.drawQ9,
             g.drawQ11, g.drawQ12, g.drawQ13, g.drawQ14}) {
      if (id == 0) continue;
      if (id < 1 || id > 36) fail("regular draw " + std::to_string(id) + " out of 1..36");
      offered.insert(id);
      ++regular;
    }
    if (static_cast<int>(offered.size()) != regular) fail("a regular question was offered twice");
    if (g.drawQ10 != 0 && g.drawQ10 == g.drawQ3) fail("the same gibberish question drawn twice");
    if (versionBeforeBoxKey_ != 0 && driver_.runtime().version() != versionBeforeBoxKey_)
      fail("a key reached the game while a message box was open");
    if (driver_.now() > kEndLimitMs) fail("the game has not ended after four hours");
  }

 private:
  [[noreturn]] void fail(const std::string& message) { throw Broken{message}; }

  static bool isIgnoredBoxKey(std::string_view command) {
    return command.starts_with("key ") && command != "key ENTER" && command != "key SPACE" &&
           command != "key ESC";
  }

  int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  std::string pick(std::initializer_list<const char*> options) {
    return *(options.begin() + roll(static_cast<int>(options.size())));
  }

  // Waits from 1 ms to 30 s, short ones more often.
  std::string randomWait() {
    const double exponent = std::uniform_real_distribution<double>(0.0, std::log(30000.0))(rng_);
    return "wait " + std::to_string(static_cast<int>(std::exp(exponent)));
  }

  std::string typedAnswer() {
    game::FrmGame& g = driver_.frmGame();
    switch (roll(4)) {
      case 0:
        return "type " + g.choice1.value();
      case 1:
        return "type " + g.choice4.value();
      case 2:
        return "type " + g.answerKey.value();
      default:
        return "type " + pick({"Zoé", "le renard", "<b>Ana</b>", "Œdipe", "  "});
    }
  }

  std::string choose() {
    if (!driver_.started()) return "start";
    const bool finishing = driver_.now() > kPlayLimitMs || script_.size() > kCommandBudget;
    if (driver_.openBoxes() > 0) {
      const int r = roll(1000);
      if (r < 450) return "wait " + std::to_string(1 + roll(3000));
      if (r < 550) return "key " + pick({"q", "2", "b", "p", "é", "BACKSPACE"});
      if (r < 552 && !finishing) return "key ESC";
      if (r < 553 && !finishing) return "close";
      return pick({"ok", "key ENTER", "key SPACE", "ok"});
    }
    if (finishing) return pick({"key 1", "key ENTER", "wait 2000", "key q", "key b", "key p"});
    const int r = roll(10000);
    if (r < 3300) return randomWait();
    if (r < 5800) return "key " + pick({"1", "2", "3", "4"});
    if (r < 7300) return "key " + pick({"q", "b", "p"});
    if (r < 8000) return "key ENTER";
    if (r < 9000) return "key " + pick({"a", "z", "é", "è", "ç", "œ", "à", "Q", "B", "P", "7"});
    if (r < 9200) return "key BACKSPACE";
    if (r < 9400) return "key SPACE";
    if (r < 9997) return typedAnswer();
    if (r < 9999) return "key ESC";
    return "close";
  }

  std::mt19937 rng_;
  sim::Driver& driver_;
  std::vector<std::string> script_;
  std::uint64_t versionBeforeBoxKey_ = 0;
  std::vector<int> presets_;
};

std::filesystem::path writeScenario(std::uint32_t seed, const std::vector<std::string>& script,
                                    const std::string& message,
                                    const std::filesystem::path& outDir) {
  std::filesystem::create_directories(outDir);
  const auto path = outDir / ("random-play-seed-" + std::to_string(seed) + ".scn");
  std::ofstream out(path);
  out << "# A randomized game that broke an invariant: " << message << "\n";
  out << "# Replay: brivazon-sim --seed " << seed << " < " << path.filename().string() << "\n";
  for (const std::string& line : script)
    out << line << "\n";
  return path;
}

}  // namespace

std::optional<Failure> playOne(std::uint32_t seed, const std::filesystem::path& outDir,
                               Summary& summary) {
  NullBuffer buffer;
  std::ostream sink(&buffer);
  sim::Driver driver(sink, sim::Options{seed});
  RandomPlayer player(seed, driver);
  std::ostringstream errors;
  std::string message;
  try {
    const int status = driver.run(player, errors);
    if (status != 0) message = "the runner refused a command: " + errors.str();
    if (message.empty() && driver.ended()) {
      // Nothing may run once the game has ended.
      const auto version = driver.runtime().version();
      const auto ticks = driver.runtime().scheduler().ticksFired();
      driver.runtime().advanceTo(driver.now() + 3'600'000);
      if (driver.runtime().version() != version ||
          driver.runtime().scheduler().ticksFired() != ticks)
        message = "timers fired after the end of the game";
    }
    if (message.empty() && !driver.ended()) message = "the game did not end";
  } catch (const Broken& b) {
    message = b.message;
  }
  ++summary.games;
  summary.ended += driver.ended() ? 1 : 0;
  for (const std::string& m : driver.messages())
    if (m.ends_with("|Jeu-fin!")) ++summary.withResult;
  summary.virtualMs += driver.now();
  summary.commands += player.script().size();
  if (message.empty()) return std::nullopt;
  return Failure{seed, message, writeScenario(seed, player.script(), message, outDir)};
}

}  // namespace random_play
