// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading scenario commands, carrying them out on the headless game, writing the transcript.
#include "sim/driver.h"

#include <array>
#include <charconv>
#include <optional>
#include <sstream>

#include "game/brivazon.h"
#include "game/frm_game.h"
#include "ui/element.h"
#include "ui/form.h"
#include "ui/numeric.h"
#include "ui/timer.h"
#include "ui/utf8.h"

namespace sim {

namespace {

std::string quoted(std::string_view s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out.push_back('\\');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

std::string number(float v) {
  return std::string(ui::NumText::single(v).view());
}

std::string colour(const std::optional<ui::Color>& c) {
  if (!c) return "default";
  std::ostringstream s;
  s << int(c->r) << ',' << int(c->g) << ',' << int(c->b);
  return s.str();
}

bool wholeNumber(std::string_view s, std::int64_t& value) {
  if (s.empty()) return false;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && ptr == s.data() + s.size() && value >= 0;
}

std::string_view trimRight(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
    s.remove_suffix(1);
  return s;
}

bool parseKey(std::string_view arg, ui::Key& key) {
  if (arg == "ENTER") return key = ui::Key::enter(), true;
  if (arg == "ESC") return key = ui::Key::escape(), true;
  if (arg == "BACKSPACE") return key = ui::Key::backspace(), true;
  if (arg == "SPACE") return key = ui::Key::character(U' '), true;
  auto cps = ui::utf8::decode(arg);
  if (cps.size() != 1) return false;
  key = ui::Key::character(cps[0]);
  return true;
}

}  // namespace

bool StreamSource::next(Step& step, int& line) {
  std::string text;
  if (!std::getline(in_, text)) return false;
  if (!text.empty() && text.back() == '\r') text.pop_back();
  step = Step(std::move(text));
  line = ++line_;
  return true;
}

bool ScriptSource::next(Step& step, int& line) {
  if (pos_ >= steps_.size()) return false;
  step = steps_[pos_++];
  line = static_cast<int>(pos_);
  return true;
}

Driver::Driver(std::ostream& transcript, Options options)
    : out_(transcript), headless_(options.seed) {
  headless_.runtime().scheduler().setEveryTick(options.everyTick);
  headless_.platform().setObserver(this);
  headless_.platform().setBoxHandler([this](std::string_view, std::string_view) {
    Box box;
    readWhileBoxOpen(box);
  });
  brivazon_ = std::make_unique<game::Brivazon>(headless_.runtime());
}

Driver::~Driver() {
  headless_.platform().setObserver(nullptr);
  headless_.platform().setBoxHandler(nullptr);
  brivazon_.reset();
}

game::FrmGame& Driver::frmGame() {
  return brivazon_->frmGame();
}

std::int64_t Driver::now() const {
  return headless_.runtime().now();
}

void Driver::stamp() {
  out_ << '[' << now() << "] ";
}

int Driver::run(std::istream& in, std::ostream& errors) {
  StreamSource source(in);
  return run(source, errors);
}

int Driver::run(std::vector<Step> steps, std::ostream& errors) {
  ScriptSource source(std::move(steps));
  return run(source, errors);
}

int Driver::run(Source& source, std::ostream& errors) {
  source_ = &source;
  try {
    Step step("");
    int line = 0;
    while (!ended_) {
      if (!source.next(step, line)) {
        stamp();
        out_ << "idle\n";
        break;
      }
      execute(step, line);
    }
  } catch (const ui::ProgramEnd&) {
    // The game ended; the transcript already says so.
  } catch (const InputEnded&) {
    // The input ran out while a message box was open.
  } catch (const ScenarioError& e) {
    out_.flush();
    errors << "line " << e.line() << ": " << e.what() << '\n';
    source_ = nullptr;
    return 2;
  }
  out_.flush();
  source_ = nullptr;
  return 0;
}

void Driver::execute(const Step& step, int line) {
  if (step.action) {
    step.action(*this);
    return;
  }
  std::string_view text = step.text;
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos || text[first] == '#') return;
  command(text.substr(first), line);
}

// One command line taken apart: its name, the rest of the line as written (a key or a text may
// end in blanks) and trimmed, and where it stands in the scenario.
struct Driver::Command {
  std::string_view name;
  std::string_view rest;
  std::string_view arg;
  int line;
  bool boxOpen;

  [[noreturn]] void fail(const std::string& reason) const { throw ScenarioError(line, reason); }
  void needStarted(const Driver& d) const {
    if (!d.started_) fail("'" + std::string(name) + "' before 'start'");
  }
  void notInBox() const {
    if (boxOpen) fail("'" + std::string(name) + "' while a message box is open");
  }
  void noArgument() const {
    if (!arg.empty()) fail("'" + std::string(name) + "' takes no argument");
  }
};

struct Driver::CommandEntry {
  std::string_view name;
  bool needsStart;
  void (Driver::*run)(const Command&);
};

const std::array<Driver::CommandEntry, 9>& Driver::commands() {
  static constexpr std::array<CommandEntry, 9> table{{
      {"rnd", false, &Driver::rnd},
      {"start", false, &Driver::start},
      {"key", true, &Driver::key},
      {"type", true, &Driver::type},
      {"wait", true, &Driver::wait},
      {"ok", true, &Driver::ok},
      {"dump", true, &Driver::dumpCommand},
      {"expect", true, &Driver::expect},
      {"close", true, &Driver::close},
  }};
  return table;
}

void Driver::command(std::string_view text, int line) {
  const std::size_t blank = text.find(' ');
  const std::string_view rest = blank == std::string_view::npos ? "" : text.substr(blank + 1);
  const Command c{text.substr(0, blank), rest, trimRight(rest), line, !boxes_.empty()};
  for (const CommandEntry& entry : commands()) {
    if (entry.name != c.name) continue;
    if (entry.needsStart) c.needStarted(*this);
    (this->*entry.run)(c);
    return;
  }
  c.fail("unknown command '" + std::string(c.name) + "'");
}

void Driver::rnd(const Command& c) {
  if (c.arg.empty()) c.fail("'rnd' needs at least one value");
  std::vector<double> values;
  std::size_t pos = 0;
  while (pos < c.arg.size()) {
    std::size_t end = c.arg.find_first_of(" \t", pos);
    if (end == std::string_view::npos) end = c.arg.size();
    std::string_view token = c.arg.substr(pos, end - pos);
    if (!token.empty()) {
      double v = 0;
      if (!ui::readNumber(token, v) || !(v >= 0.0 && v < 1.0))
        c.fail("'rnd' takes decimal values in [0, 1), not '" + std::string(token) + "'");
      values.push_back(v);
    }
    pos = end + 1;
  }
  for (double v : values)
    runtime().random().queue(v);
}

void Driver::start(const Command& c) {
  c.notInBox();
  if (!c.arg.empty()) c.fail("'start' takes no argument");
  if (started_) c.fail("'start' twice");
  started_ = true;
  brivazon_->start();
}

void Driver::key(const Command& c) {
  ui::Key key;
  if (!parseKey(c.rest, key) && !parseKey(c.arg, key))
    c.fail("'key' takes one character or ENTER, ESC, BACKSPACE, SPACE");
  if (c.boxOpen) {
    // A message box has the keyboard: Enter, Space and Escape press its OK button.
    const bool closes = key.kind == ui::Key::Kind::Enter || key.kind == ui::Key::Kind::Escape ||
                        (key.kind == ui::Key::Kind::Char && key.ch == U' ');
    if (closes) boxes_.back()->closed = true;
    return;
  }
  runtime().keyPress(key);
}

void Driver::type(const Command& c) {
  c.notInBox();
  for (char32_t ch : ui::utf8::decode(c.rest)) {
    if (ended_) break;
    runtime().keyPress(ui::Key::character(ch));
  }
}

void Driver::wait(const Command& c) {
  std::int64_t ms = 0;
  if (!wholeNumber(c.arg, ms)) c.fail("'wait' takes a whole number of milliseconds");
  headless_.advance(ms);
}

void Driver::ok(const Command& c) {
  c.noArgument();
  if (!c.boxOpen) c.fail("'ok' with no message box open");
  boxes_.back()->closed = true;
}

void Driver::dumpCommand(const Command& c) {
  c.noArgument();
  dump();
}

void Driver::close(const Command& c) {
  c.noArgument();
  runtime().closeWindow(frmGame());
}

void Driver::readWhileBoxOpen(Box& box) {
  boxes_.push_back(&box);
  struct Pop {
    std::vector<Box*>& boxes;
    ~Pop() { boxes.pop_back(); }
  } pop{boxes_};
  Step step("");
  int line = 0;
  while (!box.closed && !ended_) {
    if (!source_ || !source_->next(step, line)) {
      stamp();
      out_ << "idle\n";
      throw InputEnded{};
    }
    execute(step, line);
  }
}

void Driver::describe(const std::function<void(const std::string&, const Properties&)>& line) {
  auto flag = [](bool b) { return std::string(b ? "1" : "0"); };
  auto describeForm = [&](const ui::Form& form) {
    const std::string f(form.name());
    line(f, {{"visible", flag(form.visible())}, {"back", colour(form.backColor())}});
    for (const ui::Element* e : form.elements()) {
      Properties p;
      if (auto* label = dynamic_cast<const ui::Label*>(e))
        p.emplace_back("caption", quoted(label->caption()));
      if (auto* box = dynamic_cast<const ui::TextBox*>(e))
        p.insert(p.end(), {{"text", quoted(box->text())},
                           {"visible", flag(e->visible())},
                           {"enabled", flag(box->enabled())}});
      else
        p.emplace_back("visible", flag(e->visible()));
      p.insert(p.end(), {{"left", number(e->left())},
                         {"top", number(e->top())},
                         {"width", number(e->width())},
                         {"height", number(e->height())},
                         {"back", colour(e->backColor())}});
      line(f + '.' + std::string(e->name()), p);
    }
    for (const ui::Timer* t : form.timers())
      line(f + '.' + std::string(t->name()),
           {{"enabled", flag(t->enabled())}, {"interval", std::to_string(t->interval())}});
    for (const ui::VariableRef& v : form.variables())
      line(f + '.' + std::string(v.name),
           {{"", v.integer ? std::to_string(*v.integer) : quoted(*v.text)}});
  };
  describeForm(frmGame());
  if (ui::Form* black = brivazon_->frmBlackIfLoaded()) describeForm(*black);
}

void Driver::dump() {
  describe([this](const std::string& who, const Properties& properties) {
    stamp();
    out_ << who;
    for (const auto& [name, value] : properties) {
      if (!name.empty()) out_ << ' ' << name;
      out_ << '=' << value;
    }
    out_ << '\n';
  });
}

void Driver::expect(const Command& c) {
  const std::size_t equals = c.arg.find('=');
  if (equals == std::string_view::npos) c.fail("'expect' takes ELEMENT.PROPERTY=VALUE");
  const std::string name(c.arg.substr(0, equals));
  std::optional<std::string> shown;
  describe([&](const std::string& who, const Properties& properties) {
    for (const auto& [property, value] : properties) {
      const std::string full = property.empty() ? who : who + '.' + std::string(property);
      if (!shown && (full == name || full.ends_with('.' + name))) shown = value;
    }
  });
  if (!shown) c.fail("'expect' names nothing a dump shows: '" + name + "'");
  if (*shown != c.arg.substr(equals + 1))
    c.fail("expected " + std::string(c.arg) + ", the game shows " + *shown);
}

void Driver::messageBoxOpened(std::string_view title, std::string_view text) {
  stamp();
  out_ << "msgbox " << quoted(title) << ' ' << quoted(text) << '\n';
  messages_.push_back(std::string(title) + "|" + std::string(text));
}

void Driver::beeped() {
  stamp();
  out_ << "beep\n";
}

void Driver::programEnded() {
  ended_ = true;
  stamp();
  out_ << "end\n";
}

void Driver::formShown(ui::Form& form) {
  stamp();
  out_ << "show " << form.name() << '\n';
}

void Driver::formHidden(ui::Form& form) {
  stamp();
  out_ << "hide " << form.name() << '\n';
}

void Driver::formDestroyed(ui::Form& form) {
  stamp();
  out_ << "unload " << form.name() << '\n';
}

void Driver::elementChanged(ui::Element& element, ui::Property p) {
  if (p != ui::Property::Caption || !brivazon_->started()) return;
  if (&element == &frmGame().lblCheckpoint) {
    stamp();
    out_ << "phase " << quoted(frmGame().lblCheckpoint.caption()) << '\n';
  }
}

}  // namespace sim
