// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The windowing layer's own rules, on a small window of its own: synchronous Change events,
// timer schedules, a timer blocked in a message box, program end, keyboard routing, numbers and
// random draws.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "ui/element.h"
#include "ui/form.h"
#include "ui/headless/headless_platform.h"
#include "ui/legibility.h"
#include "ui/numeric.h"
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
