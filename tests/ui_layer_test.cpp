// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The windowing layer's own rules, on a small window of its own: synchronous Change events,
// timer schedules, a timer blocked in a message box, program end, keyboard routing, the shell
// under the interactive backends, numbers and random draws.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ui/element.h"
#include "ui/form.h"
#include "ui/headless/headless_platform.h"
#include "ui/legibility.h"
#include "ui/numeric.h"
#include "ui/shell.h"
#include "ui/timer.h"

namespace {

constexpr std::array kElements{
    ui::ElementLayout{.name = "lblA", .kind = ui::Kind::Label, .caption = "start"},
    ui::ElementLayout{.name = "lblB", .kind = ui::Kind::Label, .caption = "0"},
    ui::ElementLayout{.name = "txtOne", .kind = ui::Kind::TextBox, .visible = false},
    ui::ElementLayout{.name = "txtTwo", .kind = ui::Kind::TextBox, .visible = false},
};
constexpr std::array kTimers{
    ui::TimerLayout{"tmrFirst", false, 10},
    ui::TimerLayout{"tmrSecond", false, 10},
    ui::TimerLayout{"tmrPoll", false, 1},
};
const ui::FormLayout kSpec{"frmTest", "Test", {}, kElements, kTimers, 0};

class TestForm : public ui::Form {
 public:
  explicit TestForm(ui::Runtime& rt) : ui::Form(rt, kSpec) {
    lblA.onChange(ui::bind<&TestForm::lblA_Change>(this));
    tmrFirst.onTimer(ui::bind<&TestForm::tmrFirst_Timer>(this));
    tmrSecond.onTimer(ui::bind<&TestForm::tmrSecond_Timer>(this));
    tmrPoll.onTimer(ui::bind<&TestForm::tmrPoll_Timer>(this));
    txtOne.onKeyDown(ui::bindKey<&TestForm::txtOne_KeyDown>(this));
    tmrPoll.setPolling(true);
  }
  ui::Label lblA{*this, "lblA"};
  ui::Label lblB{*this, "lblB"};
  ui::TextBox txtOne{*this, "txtOne"};
  ui::TextBox txtTwo{*this, "txtTwo"};
  ui::Timer tmrFirst{*this, "tmrFirst"};
  ui::Timer tmrSecond{*this, "tmrSecond"};
  ui::Timer tmrPoll{*this, "tmrPoll"};

  std::vector<std::string> log;
  bool boxInFirst = false;
  bool quitInSecond = false;

  void Form_KeyPress(int keyAscii) override { log.push_back("key " + std::to_string(keyAscii)); }
  void lblA_Change() { log.push_back("change " + lblA.caption()); }
  void tmrFirst_Timer() {
    log.push_back("first " + std::to_string(runtime().now()));
    if (boxInFirst) {
      boxInFirst = false;
      runtime().messageBox("hold");
      log.push_back("first resumes " + std::to_string(runtime().now()));
    }
  }
  void tmrSecond_Timer() {
    log.push_back("second " + std::to_string(runtime().now()));
    if (quitInSecond) runtime().quit();
  }
  // Mirrors lblA into lblB: a poll that changes nothing once the two agree.
  void tmrPoll_Timer() {
    ++polls;
    if (lblB.caption() != lblA.caption()) lblB.setCaption(lblA.caption());
  }
  void txtOne_KeyDown(int keyCode, int) { log.push_back("down " + std::to_string(keyCode)); }
  int polls = 0;
};

struct Layer : ::testing::Test {
  ui::headless::Headless backend;
  ui::Runtime& rt = backend.runtime();
  TestForm form{rt};
  Layer() { form.show(); }
};

TEST_F(Layer, ACaptionWriteRunsItsChangeHandlerBeforeTheWriterGoesOn) {
  form.lblA.setCaption("one");
  form.log.push_back("after write");
  form.lblA.setCaption("one");  // the same text raises nothing
  form.lblA.setCaption("two");
  EXPECT_EQ(form.log, (std::vector<std::string>{"change one", "after write", "change two"}));
}

TEST_F(Layer, TimersKeepTheirScheduleWhenEnabledAgainAndRestartOtherwise) {
  form.tmrFirst.setEnabled(true);  // due at 10, 20, ...
  backend.advance(5);
  form.tmrFirst.setEnabled(true);  // already enabled: still due at 10
  backend.advance(5);
  EXPECT_EQ(form.log.back(), "first 10");
  backend.advance(4);
  form.tmrFirst.setEnabled(false);
  form.tmrFirst.setEnabled(true);  // a new schedule from 14
  backend.advance(10);
  EXPECT_EQ(form.log.back(), "first 24");
  backend.advance(3);
  form.tmrFirst.setInterval(100);  // a new schedule from 27
  backend.advance(100);
  EXPECT_EQ(form.log, (std::vector<std::string>{"first 10", "first 24", "first 127"}));
}

TEST_F(Layer, SameInstantTicksFireInTableOrder) {
  form.tmrSecond.setEnabled(true);
  form.tmrFirst.setEnabled(true);
  backend.advance(10);
  EXPECT_EQ(form.log, (std::vector<std::string>{"first 10", "second 10"}));
}

TEST_F(Layer, ATimerWaitingInAMessageBoxIsNotReenteredAndDropsItsMissedTicks) {
  // Inside the box 35 ms pass: the other timer keeps ticking, the blocked one does not.
  backend.platform().setBoxHandler(
      [&](std::string_view, std::string_view) { backend.advance(35); });
  form.boxInFirst = true;
  form.tmrFirst.setEnabled(true);
  form.tmrSecond.setEnabled(true);
  backend.advance(70);
  EXPECT_EQ(form.log,
            (std::vector<std::string>{"first 10", "second 10", "second 20", "second 30",
                                      "second 40", "first resumes 45", "first 50", "second 50",
                                      "first 60", "second 60", "first 70", "second 70"}));
}

TEST_F(Layer, ATickDueTheInstantItsBoxClosesIsDroppedToo) {
  // The box stays open for exactly one interval: the tick due as it closes is a missed one.
  backend.platform().setBoxHandler(
      [&](std::string_view, std::string_view) { backend.advance(10); });
  form.boxInFirst = true;
  form.tmrFirst.setEnabled(true);
  backend.advance(30);
  EXPECT_EQ(form.log, (std::vector<std::string>{"first 10", "first resumes 20", "first 30"}));
}

TEST_F(Layer, ProgramEndInsideAMessageBoxStopsEverything) {
  backend.platform().setBoxHandler([&](std::string_view, std::string_view) {
    form.quitInSecond = true;
    EXPECT_THROW(backend.advance(20), ui::ProgramEnd);
  });
  form.boxInFirst = true;
  form.tmrFirst.setEnabled(true);
  form.tmrSecond.setEnabled(true);
  EXPECT_THROW(backend.advance(15), ui::ProgramEnd);
  EXPECT_TRUE(rt.ending());
  const auto before = form.log;
  backend.advance(1000);
  rt.keyPress(ui::Key::character(U'x'));
  EXPECT_EQ(form.log, before);
  // The handler that opened the box never went on.
  for (const auto& line : form.log)
    EXPECT_EQ(line.find("resumes"), std::string::npos);
}

TEST_F(Layer, KeysGoToTheTextBoxShownMostRecentlyElseToTheWindow) {
  rt.keyPress(ui::Key::character(U'a'));
  form.txtOne.show();
  rt.keyPress(ui::Key::character(U'é'));
  rt.keyPress(ui::Key::enter());
  form.txtTwo.show();
  rt.keyPress(ui::Key::character(U'z'));
  form.txtTwo.setEnabled(false);  // a disabled box gives the keyboard back
  rt.keyPress(ui::Key::character(U'b'));
  rt.keyPress(ui::Key::backspace());
  form.txtOne.hide();
  rt.keyPress(ui::Key::escape());
  EXPECT_EQ(form.log, (std::vector<std::string>{"key 97", "down 233", "down 13", "down 66",
                                                "down 8", "key 27"}));
  EXPECT_EQ(form.txtOne.text(), "é");
  EXPECT_EQ(form.txtTwo.text(), "z");
}

TEST_F(Layer, IdlePollsAreSkippedUntilSomethingChanges) {
  form.tmrPoll.setEnabled(true);
  backend.advance(1000);
  EXPECT_LE(form.polls, 2);  // one tick proved it idle, the rest were skipped
  form.lblA.setCaption("moved");
  backend.advance(1);
  EXPECT_EQ(form.lblB.caption(), "moved");
  EXPECT_LE(form.polls, 4);
}

TEST_F(Layer, EveryTickModeRunsEveryPoll) {
  rt.scheduler().setEveryTick(true);
  form.tmrPoll.setEnabled(true);
  backend.advance(1000);
  EXPECT_EQ(form.polls, 1000);
}

// A backend of nothing but the shell: its surface records what it is asked, and a box waits by
// playing the test's next step.
struct FakeShell : ui::Surface, ui::Shell {
  FakeShell() : ui::Shell(static_cast<ui::Surface&>(*this)) {}
  std::int64_t time = 0;
  std::optional<std::int64_t> armed;
  ui::KeyboardTarget keyboard;
  std::vector<std::string> log;
  std::vector<std::function<void()>> steps;

  std::int64_t clock() override { return time; }
  void armTimer(std::optional<std::int64_t> due) override { armed = due; }
  void createWindow(ui::Form&) override {}
  void destroyWindow(ui::Form&) override {}
  void bringToFront(ui::Form& form, ui::Form* before) override {
    log.push_back(std::string("front ") + (before ? "over " : "") + std::string(form.name()));
  }
  void updateWindow(ui::Form&) override {}
  void updateElement(ui::Element&, ui::Property) override {}
  void openBox(std::string_view, std::string_view text, const ui::PixelRect& a) override {
    log.push_back(std::string(text) + " at " + std::to_string(int(a.left)) + "," +
                  std::to_string(int(a.top)) + " " + std::to_string(int(a.width)) + "x" +
                  std::to_string(int(a.height)));
  }
  void placeBoxes(const ui::PixelRect&) override {}
  void waitForAnswer() override {
    auto step = steps.front();
    steps.erase(steps.begin());
    step();
  }
  void closeBox() override { log.push_back("close"); }
  void pressOk() override { boxAnswered(); }
  void giveKeyboard(const ui::KeyboardTarget& target) override { keyboard = target; }
  void nameBox(ui::TextBox&, const std::string&) override {}
  void tableChanged(const ui::Table& now, const ui::Table&) override {
    log.push_back("table " + now.screen);
  }
  void announce(const ui::Announcement&) override {}
  void beep() override {}
  float measureText(const ui::Label&, std::string_view) override { return 0; }
  void programEnding() override { log.push_back("end"); }
};

TEST(Shell, RunsEventsOnTheRealClockStacksBoxesAndKeepsTheKeyboardAndTableInStep) {
  ui::RuntimeOn<FakeShell> backend;
  FakeShell& shell = backend.platform();
  ui::Runtime& rt = backend.runtime();
  rt.setTableSource([&] { return ui::Table{.screen = shell.ending() ? "" : "écran"}; });
  TestForm form{rt}, card{rt};
  form.show();
  card.show();
  form.tmrFirst.setEnabled(true);
  form.tmrSecond.setEnabled(true);
  EXPECT_EQ(shell.armed, 10);  // armed at once outside an event
  // A box in the first tick, centred as a window that gives none an area; while it waits the
  // clock goes on (the second timer ticks), a second box stands over it and the pad's Enter
  // answers the newest first.
  form.boxInFirst = true;
  shell.time = 12;
  shell.steps = {[&] {
                   EXPECT_TRUE(shell.keyboard.messageBox);
                   shell.time = 25;
                   shell.enter([] {});
                   shell.enter([&] { rt.messageBox("inner"); });
                 },
                 [&] { shell.padPressed(ui::Key::enter()); },
                 [&] {
                   EXPECT_TRUE(shell.boxOpen());
                   shell.padPressed(ui::Key::character(U'1'));  // lost while a box is open
                   shell.boxAnswered();
                 }};
  shell.enter([] {});
  EXPECT_EQ(form.log,
            (std::vector<std::string>{"first 10", "second 10", "second 20", "first resumes 25"}));
  EXPECT_EQ(shell.log, (std::vector<std::string>{"front frmTest", "front over frmTest",
                                                 "table écran", "hold at 80,160 480x160",
                                                 "inner at 80,160 480x160", "close", "close"}));
  EXPECT_EQ(shell.armed, 30);
  EXPECT_EQ(shell.keyboard, ui::KeyboardTarget{.window = &card});
  // The table is taken in only when it changed; a key that reached the window before the
  // keyboard moved to a box is typed there.
  card.hide();
  form.txtOne.show();
  shell.enter([&] {
    EXPECT_TRUE(shell.routeKey(nullptr, 'a', 'A', 0).elsewhere);
    EXPECT_FALSE(shell.routeKey(&form.txtOne, 'a', 'A', 0).elsewhere);
  });
  EXPECT_EQ(shell.log.size(), 8u);
  EXPECT_EQ(shell.log.back(), "front over frmTest");
  EXPECT_EQ(shell.keyboard, ui::KeyboardTarget{.textBox = &form.txtOne});
  EXPECT_EQ(form.log.back(), "down 65");
  shell.enter([&] { rt.quit(); });  // stopped at the entry
  EXPECT_EQ(shell.log.back(), "end");
}

TEST(Numbers, CaptionsReadAsWholeNumbersAndWriteWithoutBlanks) {
  EXPECT_EQ(ui::val("15"), 15);
  EXPECT_EQ(ui::val("-500"), -500);
  EXPECT_EQ(ui::val("12.5"), 12.5);
  EXPECT_EQ(ui::val(""), 0);
  EXPECT_EQ(ui::val("Question"), 0);
  EXPECT_EQ(ui::num(-2000).view(), "-2000");
  EXPECT_EQ(ui::num(0).view(), "0");
  EXPECT_EQ(ui::num(-0.0).view(), "0");
  EXPECT_EQ(ui::num(12.5).view(), "12.5");
  EXPECT_EQ(ui::num(10000).view(), "10000");
  // Never an exponent, which would read back as another number.
  EXPECT_EQ(ui::num(-100000).view(), "-100000");
  EXPECT_EQ(ui::val(ui::num(-100000)), -100000);
  EXPECT_EQ(ui::num(3000000).view(), "3000000");
}

TEST(RandomDraws, NeverExceedTheirPoolEvenAtTheTopOfTheRange) {
  ui::RandomSource r(7);
  r.queue(0.99999999);  // rounds to 1 in single precision
  r.queue(0.99999994);
  r.queue(0.0);
  const float top = r.next();
  EXPECT_LT(top, 1.0f);
  EXPECT_EQ(ui::drawFrom(36, top), 36);
  EXPECT_EQ(ui::drawFrom(2, r.next()), 2);
  EXPECT_EQ(ui::drawFrom(9, r.next()), 1);
  for (int i = 0; i < 200000; ++i) {
    const float x = r.next();
    ASSERT_GE(x, 0.0f);
    ASSERT_LT(x, 1.0f);
    ASSERT_LE(ui::drawFrom(3, x), 3);
  }
}

// The shrinking rule every backend shares: the top of the run of sizes that fit, measured by
// whatever test the backend gives; a caption that fits keeps its size without a search.
TEST(Legibility, ACaptionTakesTheLargestSizeThatFitsAndTextTheColourThatReads) {
  std::vector<int> tried;
  auto upTo = [&](int limit) {
    return [&tried, limit](int size) {
      tried.push_back(size);
      return size <= limit;
    };
  };
  EXPECT_EQ(ui::largestFittingSize(96, 1, upTo(200)), 96);
  EXPECT_EQ(tried, std::vector<int>{96});
  EXPECT_EQ(ui::largestFittingSize(96, 1, upTo(83)), 83);
  EXPECT_LE(tried.size(), 9u);
  EXPECT_EQ(ui::largestFittingSize(32, 1, upTo(31)), 31);
  EXPECT_EQ(ui::largestFittingSize(32, 4, upTo(0)), 4);
  // A caption too wide for its box is drawn smaller in its room, and cut short below its least
  // size.
  auto fitsUpTo = [](int box, int room) {
    return [=](int size, bool inRoom) { return size <= (inRoom ? room : box); };
  };
  EXPECT_FALSE(ui::fitCaption(20, 8, fitsUpTo(20, 0)).shrunk);
  const ui::CaptionSize shrunk = ui::fitCaption(20, 8, fitsUpTo(10, 14));
  EXPECT_EQ(std::tuple(shrunk.pixels, shrunk.shrunk, shrunk.cut), std::tuple(14, true, false));
  EXPECT_TRUE(ui::fitCaption(20, 8, fitsUpTo(10, 5)).cut);

  // A label that runs past the window's right or bottom edge may use only what is on screen;
  // one still outside the window (a card sliding in) keeps its whole box.
  auto room = [](double left, double top, double width, double height) {
    const ui::Room r = ui::captionRoom(left, top, width, height);
    return std::pair{r.width, r.height};
  };
  EXPECT_EQ(room(100, 100, 200, 40), std::pair(200.0, 40.0));
  EXPECT_EQ(room(560, 460, 200, 40), std::pair(80.0, 20.0));
  EXPECT_EQ(room(-150, 100, 200, 40), std::pair(200.0, 40.0));
  EXPECT_EQ(room(700, 100, 200, 40), std::pair(200.0, 40.0));

  constexpr ui::Color kBlack{0, 0, 0}, kWhite{255, 255, 255}, kGreen{0, 255, 0}, kRed{255, 0, 0},
      kGrey{160, 160, 160};
  EXPECT_NEAR(ui::contrastRatio(kBlack, kWhite), 21.0, 1e-9);
  EXPECT_NEAR(ui::contrastRatio(kRed, kBlack), 5.25, 0.01);
  EXPECT_NEAR(ui::contrastRatio(kBlack, kRed), 5.25, 0.01);
  EXPECT_NEAR(ui::contrastRatio(kGreen, kBlack), 15.3, 0.01);
  // The style's grey on the game's box colours gives way to black; a grey that reads stays.
  for (ui::Color back : {kWhite, kGreen, kRed})
    EXPECT_EQ(ui::readableOn(back, kGrey), kBlack);
  EXPECT_EQ(ui::readableOn(kBlack, kGrey), kGrey);
  EXPECT_EQ(ui::readableOn(ui::Color{0, 0, 128}, kBlack), kWhite);
}

}  // namespace
