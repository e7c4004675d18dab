// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The scenario driver: plays the real game on the headless backend from a script of commands
// (`start`, `key 1`, `wait 500`, `ok`, `dump`, ...) and writes the transcript of what a player
// would see and hear. The scenario runner brivazon-sim is a thin shell around it, and the tests
// drive whole games through it too, with C++ checks between the commands where they need them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "ui/headless/headless_platform.h"

namespace game {
class Brivazon;
class FrmGame;
}  // namespace game

namespace sim {

class Driver;

// One line of a scenario, or a check run at that point of the script.
struct Step {
  Step(const char* line) : text(line) {}             // NOLINT: scripts read best as plain strings
  Step(std::string line) : text(std::move(line)) {}  // NOLINT
  template <class F, class = std::enable_if_t<std::is_invocable_v<F&, Driver&>>>
  Step(F check) : action(std::move(check)) {}  // NOLINT
  std::string text;
  std::function<void(Driver&)> action;
};

// Where the driver reads its commands from, one at a time, so that commands can be read while
// a message box is open.
class Source {
 public:
  virtual ~Source() = default;
  // The next step and its line number; false when the input has run out.
  virtual bool next(Step& step, int& line) = 0;
};

class StreamSource : public Source {
 public:
  explicit StreamSource(std::istream& in) : in_(in) {}
  bool next(Step& step, int& line) override;

 private:
  std::istream& in_;
  int line_ = 0;
};

class ScriptSource : public Source {
 public:
  explicit ScriptSource(std::vector<Step> steps) : steps_(std::move(steps)) {}
  bool next(Step& step, int& line) override;

 private:
  std::vector<Step> steps_;
  std::size_t pos_ = 0;
};

// A line the runner cannot carry out: unknown, malformed, or not allowed now.
class ScenarioError : public std::runtime_error {
 public:
  ScenarioError(int line, const std::string& reason) : std::runtime_error(reason), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

struct Options {
  std::uint32_t seed = 1;
  bool everyTick = false;  // run even the ticks proved idle
};

class Driver : private ui::headless::Observer {
 public:
  explicit Driver(std::ostream& transcript, Options options = {});
  ~Driver() override;
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;

  // Plays the scenario until its input runs out or the game ends. Returns the runner's exit
  // status: 0, or 2 after writing "line N: reason" to `errors` for a line it cannot carry out.
  int run(Source& source, std::ostream& errors);
  int run(std::istream& in, std::ostream& errors);
  int run(std::vector<Step> steps, std::ostream& errors);

  game::Brivazon& brivazon() { return *brivazon_; }
  game::FrmGame& frmGame();
  ui::Runtime& runtime() { return headless_.runtime(); }
  ui::headless::HeadlessPlatform& platform() { return headless_.platform(); }
  std::int64_t now() const;
  bool started() const { return started_; }
  bool ended() const { return ended_; }
  int openBoxes() const { return static_cast<int>(boxes_.size()); }
  // Every message box opened so far, as "TITLE|TEXT".
  const std::vector<std::string>& messages() const { return messages_; }
  // Writes the state of the windows, as the `dump` command does.
  void dump();

 private:
  struct InputEnded {};
  struct Box {
    bool closed = false;
  };

  void execute(const Step& step, int line);
  void command(std::string_view text, int line);

  // The commands, one function each, found by name in one table.
  struct Command;
  struct CommandEntry;
  static const std::array<CommandEntry, 9>& commands();
  void rnd(const Command& c);
  void start(const Command& c);
  void key(const Command& c);
  void type(const Command& c);
  void wait(const Command& c);
  void ok(const Command& c);
  void dumpCommand(const Command& c);
  // `expect ELEMENT.PROPERTY=VALUE`: one property as `dump` writes it, checked without a word;
  // the element may be a timer or a variable, named with its window's name in front or not.
  void expect(const Command& c);
  void close(const Command& c);
  void readWhileBoxOpen(Box& box);
  // What `dump` shows, a line at a time: who it is about ("frmGame", "frmGame.lblQ") and its
  // properties as they are written; a variable's value stands under an empty property name.
  using Properties = std::vector<std::pair<std::string_view, std::string>>;
  void describe(const std::function<void(const std::string&, const Properties&)>& line);
  void stamp();

  void messageBoxOpened(std::string_view title, std::string_view text) override;
  void beeped() override;
  void programEnded() override;
  void formShown(ui::Form& form) override;
  void formHidden(ui::Form& form) override;
  void formDestroyed(ui::Form& form) override;
  void elementChanged(ui::Element& element, ui::Property p) override;

  std::ostream& out_;
  ui::headless::Headless headless_;
  std::unique_ptr<game::Brivazon> brivazon_;
  Source* source_ = nullptr;
  bool started_ = false;
  bool ended_ = false;
  std::vector<Box*> boxes_;
  std::vector<std::string> messages_;
};

}  // namespace sim
