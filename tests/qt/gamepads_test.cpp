// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Gamepads as buzzers, with SDL's virtual pads standing in for real ones: a pad per seat in play
// for one, two and three players, each buzzing, answering and closing the verdict's box; pads
// unplugged and plugged in mid-game; presses lost while a text box has the keyboard or a box is
// open; and how soon a press reaches the window's key handler.
#include <gtest/gtest.h>

#include <SDL.h>
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <algorithm>
#include <string>
#include <vector>

#include "game/brivazon.h"
#include "game/frm_game.h"
#include "tests/qt/qt_test_support.h"
#include "ui/form.h"
#include "ui/qt/form_view.h"
#include "ui/qt/gamepads.h"
#include "ui/qt/qt_platform.h"

namespace {

using namespace brivazon_test;

// One of SDL's virtual pads, with the buttons and axes of the usual layout in SDL's order.
class VirtualPad {
 public:
  VirtualPad() {
    const int index = SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    joystick_ = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    id_ = joystick_ ? SDL_JoystickInstanceID(joystick_) : -1;
  }
  ~VirtualPad() { unplug(); }
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  bool plugged() const { return joystick_ != nullptr; }
  int id() const { return id_; }

  // Down until the backend has read it, then up until it has read that too: a virtual pad is
  // read by its state at each look, so a press shorter than a look would be missed.
  void tap(SDL_GameControllerButton button) {
    down(button);
    waitUntil([&] { return SDL_JoystickGetButton(joystick_, button) == 1; });
    SDL_JoystickSetVirtualButton(joystick_, button, 0);
    waitUntil([&] { return SDL_JoystickGetButton(joystick_, button) == 0; });
    spin(2);
  }
  void down(SDL_GameControllerButton button) { SDL_JoystickSetVirtualButton(joystick_, button, 1); }
  void up(SDL_GameControllerButton button) {
    SDL_JoystickSetVirtualButton(joystick_, button, 0);
    waitUntil([&] { return SDL_JoystickGetButton(joystick_, button) == 0; });
  }
  void trigger(SDL_GameControllerAxis axis, Sint16 value) {
    SDL_JoystickSetVirtualAxis(joystick_, axis, value);
    waitUntil([&] { return SDL_JoystickGetAxis(joystick_, axis) == value; });
    spin(2);
  }

  void unplug() {
    if (!joystick_) return;
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
      if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
  }

 private:
  SDL_Joystick* joystick_ = nullptr;
  int id_ = -1;
};

constexpr SDL_GameControllerButton kDigit[] = {SDL_CONTROLLER_BUTTON_Y, SDL_CONTROLLER_BUTTON_X,
                                               SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_A};

class GamepadsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pads().available()) << SDL_GetError();
    qt.platform().enter([&] { game.start(); });
    qt.platform().showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
  }

  QWidget* window() { return qt.platform().window(); }
  game::FrmGame& frm() { return game.frmGame(); }
  ui::qt::Gamepads& pads() { return qt.platform().gamepads(); }
  QLineEdit* nameEdit() { return qt.platform().viewOf(frm())->lineEditOf(frm().txtInput); }
  std::string seats(const std::vector<VirtualPad*>& p) {
    std::string out;
    for (VirtualPad* pad : p) {
      const char32_t seat = pads().seatOf(pad->id());
      out += seat ? static_cast<char>(seat) : '-';
    }
    return out;
  }
  bool waitForPads(std::size_t n) {
    return waitUntil([&] { return pads().padIds().size() == n; }, 3000);
  }

  // The names typed on the keyboard, one box after the other, then the first topic choice.
  void nameAndWaitForTopics(int players) {
    for (int i = 0; i < players; ++i) {
      ASSERT_TRUE(waitUntil([&] { return window()->focusWidget() == nameEdit(); }));
      type(window(), QString::fromStdString("Jo" + std::to_string(i)));
      press(window(), Qt::Key_Return, "\r");
    }
    ASSERT_TRUE(waitUntil([&] { return frm().phaseIs("CTopic1"); }, 8000));
  }
  void chooseTopicWith(VirtualPad& pad) {
    pad.tap(kDigit[0]);
    ASSERT_TRUE(waitUntil([&] { return frm().phaseIs("Question"); }, 8000));
    ASSERT_LE(frm().questionId, 1000) << "the first question is never a gibberish one";
  }

  ui::qt::QtRuntime qt;
  game::Brivazon game{qt.runtime()};
};

class PadsForEachCount : public GamepadsTest, public ::testing::WithParamInterface<int> {};

// Pads for each count: the count from the first pad, the last pad buzzes and answers right, its
// box closed with Start after presses that the box ignores.
TEST_P(PadsForEachCount, EachPadBuzzesForItsSeatAnswersAndClosesTheVerdictWithStart) {
  const int players = GetParam();
  const std::string expected[] = {"", "b", "qp", "qbp"};
  const int places[][3] = {{}, {2}, {1, 3}, {1, 2, 3}};
  std::vector<std::unique_ptr<VirtualPad>> owned;
  std::vector<VirtualPad*> all;
  for (int i = 0; i < players; ++i) {
    owned.push_back(std::make_unique<VirtualPad>());
    ASSERT_TRUE(owned.back()->plugged()) << SDL_GetError();
    all.push_back(owned.back().get());
  }
  ASSERT_TRUE(waitForPads(static_cast<std::size_t>(players)));
  EXPECT_EQ(seats(all), std::string(static_cast<std::size_t>(players), '-'))
      << "no seat before the count";
  EXPECT_EQ(pads().interval(), ui::qt::Gamepads::kPollMs);

  all[0]->tap(kDigit[players - 1]);
  ASSERT_TRUE(waitUntil([&] { return frm().playerCount == players; }));
  EXPECT_EQ(seats(all), expected[players]) << "seats in the order the pads were connected";

  // A pad cannot type in the name box, nor take the keyboard from it.
  ASSERT_TRUE(waitUntil([&] { return window()->focusWidget() == nameEdit(); }));
  all[0]->tap(kDigit[3]);
  all[0]->tap(SDL_CONTROLLER_BUTTON_START);
  EXPECT_EQ(frm().txtInput.text(), "");
  EXPECT_TRUE(frm().phaseIs("Name"));
  ASSERT_NO_FATAL_FAILURE(nameAndWaitForTopics(players));
  ASSERT_NO_FATAL_FAILURE(chooseTopicWith(*all[0]));

  VirtualPad& last = *all.back();
  const int seat = places[players][players - 1];
  const std::string value = frm().lblValue.caption();
  if (players == 2)
    last.trigger(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, SDL_JOYSTICK_AXIS_MAX);
  else
    last.tap(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
  ASSERT_TRUE(waitUntil([&] { return frm().phaseIs("Answer"); }));
  EXPECT_EQ(frm().curPlayer, seat);

  // The verdict's box waits in its own event loop: the pad acts from inside it.
  QString text;
  bool heldOpen = false, closed = false;
  std::string scoreInBox;
  QTimer poll;
  whenBoxOpens(poll, [&](ui::qt::MessagePanel& box) {
    text = box.text();
    scoreInBox = frm().scoreLabel(seat).caption();
    // Every press but Start is lost while the box is open.
    for (SDL_GameControllerButton b : {kDigit[0], kDigit[3], SDL_CONTROLLER_BUTTON_LEFTSHOULDER})
      last.tap(b);
    heldOpen = openBox() != nullptr;
    last.tap(SDL_CONTROLLER_BUTTON_START);
    closed = openBox() == nullptr;
  });
  last.tap(kDigit[std::stoi(frm().answerKey.value()) - 1]);
  ASSERT_TRUE(waitUntil([&] { return closed; }, 3000));
  EXPECT_EQ(text, QStringLiteral("Tu es correct!"));
  EXPECT_EQ(scoreInBox, value);
  EXPECT_TRUE(heldOpen);
  EXPECT_EQ(frm().scoreLabel(seat).caption(), value) << "the lost presses changed nothing";
  EXPECT_TRUE(waitUntil([&] { return frm().phaseIs("CTopic1"); }));
}

INSTANTIATE_TEST_SUITE_P(Players, PadsForEachCount, ::testing::Values(1, 2, 3));

// SDL's news of a pad unplugged and of one plugged in mid-game reach the seats (whose rules
// tests/table_test.cpp checks): the new pad buzzes for the seat the old one left.
TEST_F(GamepadsTest, APadUnpluggedLeavesItsSeatAndOnePluggedInMidGameTakesIt) {
  VirtualPad a, b;
  ASSERT_TRUE(waitForPads(2));
  a.tap(kDigit[1]);
  ASSERT_TRUE(waitUntil([&] { return frm().playerCount == 2; }));
  ASSERT_NO_FATAL_FAILURE(nameAndWaitForTopics(2));
  ASSERT_NO_FATAL_FAILURE(chooseTopicWith(b));

  a.unplug();
  ASSERT_TRUE(waitForPads(1));
  VirtualPad c;
  ASSERT_TRUE(waitForPads(2));
  c.tap(SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
  ASSERT_TRUE(waitUntil([&] { return frm().phaseIs("Answer"); }));
  EXPECT_EQ(frm().curPlayer, 1);

  c.unplug();
  b.unplug();
  ASSERT_TRUE(waitForPads(0));
  EXPECT_EQ(pads().interval(), ui::qt::Gamepads::kIdleMs) << "no pad: one look a second";
}

// A window of its own that notes when each key arrives.
constexpr ui::FormLayout kPadSpec{"frmPad", "", ui::Color{0, 0, 0}, {}, {}, 0};

class PadForm : public ui::Form {
 public:
  PadForm(ui::Runtime& rt, QElapsedTimer& clock) : Form(rt, kPadSpec), clock_(clock) {}
  std::vector<std::pair<int, qint64>> keys;  // the key, and when it arrived (ns)
  void Form_KeyPress(int keyAscii) override { keys.emplace_back(keyAscii, clock_.nsecsElapsed()); }

 private:
  QElapsedTimer& clock_;
};

struct Idle {
  double wakeups;  // per second
  double cpu;      // % of a core
};

// The process's wake-ups and CPU while its event loop waits for `ms`.
Idle idleFor(int ms) {
  rusage before{}, after{};
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  getrusage(RUSAGE_SELF, &before);
  QElapsedTimer clock;
  clock.start();
  loop.exec();
  getrusage(RUSAGE_SELF, &after);
  const double seconds = clock.nsecsElapsed() / 1e9;
  auto us = [](const timeval& t) { return t.tv_sec * 1e6 + t.tv_usec; };
  const double cpuUs =
      us(after.ru_utime) + us(after.ru_stime) - us(before.ru_utime) - us(before.ru_stime);
  return {(after.ru_nvcsw - before.ru_nvcsw) / seconds, cpuUs / 1e4 / seconds};
}

TEST(GamepadDelay, APressReachesTheWindowsKeyHandlerWithin10Ms) {
  ui::qt::QtRuntime qt;
  QElapsedTimer clock;
  clock.start();
  PadForm form(qt.runtime(), clock);
  qt.platform().enter([&] {
    qt.runtime().load(form);
    form.show();
  });
  VirtualPad pad;
  ASSERT_TRUE(waitUntil([&] { return qt.platform().gamepads().padIds().size() == 1; }));
  std::vector<qint64> delays;
  for (int i = 0; i < 40; ++i) {
    const SDL_GameControllerButton button = kDigit[i % 4];
    // Pressed at any moment of the polling cycle, as a player would.
    spin(1 + i % ui::qt::Gamepads::kPollMs);
    const qint64 sent = clock.nsecsElapsed();
    pad.down(button);
    ASSERT_TRUE(waitUntil([&] { return form.keys.size() == delays.size() + 1; }, 1000));
    EXPECT_EQ(form.keys.back().first, '1' + i % 4);
    delays.push_back(form.keys.back().second - sent);
    pad.up(button);
  }
  std::sort(delays.begin(), delays.end());
  auto share = [&](double part) { return delays[static_cast<std::size_t>(part * 39)] / 1e6; };
  std::printf(
      "pad press to key handler: median %.2f ms, 3 in 4 within %.2f ms, 9 in 10 within "
      "%.2f ms, worst %.2f ms\n",
      share(0.5), share(0.75), share(0.9), delays.back() / 1e6);
  // A press waits for the next look at the pads, half a period on average. The machines that
  // run the tests are shared by several builds, whose load can hold any process back for tens
  // of milliseconds: the goal is asserted for three presses in four, and all four are printed.
  EXPECT_LE(share(0.5), ui::qt::Gamepads::kPollMs + 1.0);
  EXPECT_LE(share(0.75), 10.0);

  // What waiting costs with the pad connected, and once it is gone.
  const Idle withPad = idleFor(2000);
  pad.unplug();
  ASSERT_TRUE(waitUntil([&] { return qt.platform().gamepads().padIds().empty(); }));
  const Idle without = idleFor(3000);
  std::printf(
      "waiting with a pad: %.0f wake-ups/s, %.2f %% of a core; without: %.1f wake-ups/s, "
      "%.3f %% of a core\n",
      withPad.wakeups, withPad.cpu, without.wakeups, without.cpu);
  EXPECT_LE(withPad.wakeups, 1.5 * 1000 / ui::qt::Gamepads::kPollMs);
  EXPECT_LE(without.wakeups, 2.0) << "no pad: one look a second";
  qt.platform().enter([&] { qt.runtime().unload(form); });
}

}  // namespace
