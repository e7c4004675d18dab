// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt backend against a small window of its own: key codes, the order of a text box's
// handler and its line edit, timers around a waiting message box, program end, painting,
// faces, the one window's close button (with and without a box open), its full-screen keys and
// its sizes.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontInfo>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game/inventory.h"
#include "tests/qt/qt_test_support.h"
#include "ui/element.h"
#include "ui/form.h"
#include "ui/qt/fonts.h"
#include "ui/qt/form_view.h"
#include "ui/qt/qt_platform.h"
#include "ui/timer.h"

namespace {

using namespace brivazon_test;
using ui::Align;
using ui::Color;
using ui::Kind;

constexpr Color kNavy{0, 0, 128};
constexpr ui::ElementLayout kElements[] = {
    {"txtEntry",
     Kind::TextBox,
     "",
     1500,
     1500,
     3000,
     450,
     Color{255, 255, 255},
     std::nullopt,
     {},
     Align::Left,
     false},
    {"lblBanner", Kind::Label, "", 0, 0, 9600, 300, Color{255, 255, 0}, std::nullopt,
     ui::FontStyle{"Arial", 12}, Align::Left, true},
    {"lblSized", Kind::Label, "", 0, 6000, 0, 600, std::nullopt, std::nullopt,
     ui::FontStyle{"Times New Roman", 15.75f, 700, true}, Align::Left, true, true},
};
constexpr ui::TimerLayout kTimers[] = {
    {"tmrBox", false, 10}, {"tmrCount", false, 5}, {"tmrLate", false, 10}};
constexpr ui::FormLayout kTestSpec{"frmTest", "Test", kNavy, kElements, kTimers, 0};
constexpr ui::FormLayout kOtherSpec{"frmOther", "", Color{0, 0, 0}, {}, {}, 1};

class TestForm : public ui::Form {
 public:
  explicit TestForm(ui::Runtime& rt) : Form(rt, kTestSpec) {
    txtEntry.onKeyDown(ui::bindKey<&TestForm::txtEntry_KeyDown>(this));
    tmrBox.onTimer(ui::bind<&TestForm::tmrBox_Timer>(this));
    tmrCount.onTimer(ui::bind<&TestForm::tmrCount_Timer>(this));
    tmrLate.onTimer(ui::bind<&TestForm::tmrLate_Timer>(this));
  }

  ui::TextBox txtEntry{*this, "txtEntry"};
  ui::Label lblBanner{*this, "lblBanner"};
  ui::Label lblSized{*this, "lblSized"};
  ui::Timer tmrBox{*this, "tmrBox"};
  ui::Timer tmrCount{*this, "tmrCount"};
  ui::Timer tmrLate{*this, "tmrLate"};

  std::vector<int> keyPresses;
  std::vector<std::pair<int, std::string>> keyDowns;  // the code, and the text at that moment
  int boxTicks = 0, countTicks = 0, unloads = 0, boxesClosed = 0;
  std::vector<std::string> answered;  // the boxes' titles, in the order they were answered
  int quitAtCount = 0;
  bool quitOnUnload = false, pastBox = false;

  void Form_KeyPress(int keyAscii) override { keyPresses.push_back(keyAscii); }
  void Form_Unload() override {
    ++unloads;
    if (quitOnUnload) runtime().quit();
  }
  void txtEntry_KeyDown(int keyCode, int) {
    keyDowns.emplace_back(keyCode, txtEntry.text());
    if (keyCode == 13) txtEntry.hide();
  }
  void tmrBox_Timer() {
    ++boxTicks;
    runtime().messageBox("Un moment", "Attente");
    pastBox = true;
    ++boxesClosed;
    answered.emplace_back("Attente");
  }
  void tmrLate_Timer() {
    tmrLate.setEnabled(false);
    runtime().messageBox("Plus tard", "Suite");
    answered.emplace_back("Suite");
  }
  void tmrCount_Timer() {
    if (++countTicks == quitAtCount) runtime().quit();
  }
};

class OtherForm : public ui::Form {
 public:
  explicit OtherForm(ui::Runtime& rt) : Form(rt, kOtherSpec) {}
  std::vector<int> keyPresses;
  void Form_KeyPress(int keyAscii) override { keyPresses.push_back(keyAscii); }
};

class QtPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    run([&] {
      rt().load(form);
      form.show();
    });
    platform().showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
  }

  ui::qt::QtPlatform& platform() { return qt.platform(); }
  ui::Runtime& rt() { return qt.runtime(); }
  QWidget* window() { return platform().window(); }
  QLineEdit* entryEdit() { return platform().viewOf(form)->lineEditOf(form.txtEntry); }
  template <class F>
  void run(F&& f) {
    platform().enter(std::forward<F>(f));
  }

  ui::qt::QtRuntime qt;
  TestForm form{qt.runtime()};
};

TEST_F(QtPlatformTest, WindowKeysArriveAsCharacterCodes) {
  press(window(), Qt::Key_A, "a");
  press(window(), Qt::Key_A, "A", Qt::ShiftModifier);  // the Shift key itself types nothing
  press(window(), Qt::Key_Return, "\r");
  press(window(), Qt::Key_Escape);
  press(window(), Qt::Key_Backspace, "\b");
  press(window(), Qt::Key_5, "5", Qt::KeypadModifier);
  press(window(), Qt::Key_7, "", Qt::KeypadModifier);
  press(window(), Qt::Key_Eacute, QString::fromUtf8("é"));
  press(window(), Qt::Key_F1);
  EXPECT_EQ(form.keyPresses, (std::vector<int>{'a', 'A', 13, 27, 8, '5', '7', 0xE9}));
}

TEST_F(QtPlatformTest, TextBoxHandlerSeesEachKeyBeforeItsLineEditTypesIt) {
  run([&] { form.txtEntry.show(); });
  ASSERT_EQ(window()->focusWidget(), entryEdit());
  type(window(), "ab");
  // An input method's composed letter reaches the box without a key event of its own.
  QInputMethodEvent compose;
  compose.setCommitString(QString::fromUtf8("é"));
  QCoreApplication::sendEvent(entryEdit(), &compose);
  EXPECT_EQ(form.txtEntry.text(), "abé");
  run([&] { form.txtEntry.setText("xyz"); });
  EXPECT_EQ(entryEdit()->text(), QStringLiteral("xyz"));
  // A key that reaches the view before the keyboard moves there still goes to the box.
  platform().routeKey(QKeyEvent(QEvent::KeyPress, Qt::Key_W, Qt::NoModifier, "w"), nullptr);
  EXPECT_EQ(form.txtEntry.text(), "xyzw");
  press(window(), Qt::Key_Tab, "\t");
  press(window(), Qt::Key_Return, "\r");
  const std::vector<std::pair<int, std::string>> expected{
      {'A', ""}, {'B', "a"}, {'W', "xyz"}, {9, "xyzw"}, {13, "xyzw"}};
  EXPECT_EQ(form.keyDowns, expected);
  // Tab and Enter acted once, in the box; with the box hidden the window has the keys again.
  EXPECT_TRUE(form.keyPresses.empty());
  EXPECT_FALSE(entryEdit()->isVisible());
  press(window(), Qt::Key_C, "c");
  EXPECT_EQ(form.keyPresses, std::vector<int>{'c'});
}

TEST_F(QtPlatformTest, OtherTimersRunWhileAHandlerWaitsInABoxThatKeepsKeysFromTheGame) {
  EXPECT_FALSE(platform().armedFor().has_value());  // an idle game never wakes
  QTimer poll;
  int countAtOpen = -1, countAtClose = -1;
  whenBoxOpens(poll, [&](ui::qt::MessagePanel& box) {
    EXPECT_EQ(box.text(), QStringLiteral("Un moment"));
    EXPECT_EQ(box.title(), QStringLiteral("Attente"));
    countAtOpen = form.countTicks;
    EXPECT_TRUE(platform().armedFor().has_value());
    spin(120);
    press(window(), Qt::Key_X, "x");
    press(window(), Qt::Key_Escape);
    countAtClose = form.countTicks;
    EXPECT_EQ(form.boxTicks, 1);  // due eleven times meanwhile, never re-entered
    press(window(), Qt::Key_Return, "\r");
  });
  run([&] {
    form.tmrBox.setEnabled(true);
    form.tmrCount.setEnabled(true);
  });
  ASSERT_TRUE(waitUntil([&] { return form.pastBox; }));
  EXPECT_GE(countAtClose - countAtOpen, 15);
  EXPECT_TRUE(form.keyPresses.empty());
  EXPECT_FALSE(rt().ending());
  run([&] {
    form.tmrBox.setEnabled(false);
    form.tmrCount.setEnabled(false);
  });
  EXPECT_FALSE(platform().armedFor().has_value());
}

// The box is the window's own: a panel in the scene that only the keys of an answer close, and a
// dialog named by its title for assistive technologies.
TEST_F(QtPlatformTest, EnterSpaceAndEscapeCloseTheBoxInTheSceneAsItsOkAndNoOtherKeyDoes) {
  const std::vector<std::pair<Qt::Key, QString>> answers{
      {Qt::Key_Return, "\r"}, {Qt::Key_Space, " "}, {Qt::Key_Escape, ""}};
  std::size_t handled = 0;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    ui::qt::MessagePanel* box = openBox();
    if (!box || form.boxesClosed != static_cast<int>(handled) || handled >= answers.size()) return;
    EXPECT_EQ(box->window(), window());
    const QImage seen = window()->grab().toImage();
    const QPoint bar = box->geometry().topLeft() + QPoint(4, 4);
    EXPECT_EQ(seen.pixelColor(bar), QColor(36, 52, 92));
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(box);
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Name), QStringLiteral("Attente"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(box->textLabel())->text(QAccessible::Name),
              QStringLiteral("Un moment"));
    for (Qt::Key key : {Qt::Key_X, Qt::Key_1, Qt::Key_Tab, Qt::Key_F1})
      press(window(), key, key == Qt::Key_Tab ? "\t" : QString(QChar(key)).toLower());
    EXPECT_EQ(openBox(), box);
    if (++handled == answers.size()) run([&] { form.tmrBox.setEnabled(false); });
    press(window(), answers[handled - 1].first, answers[handled - 1].second);
  });
  poll.start();
  run([&] { form.tmrBox.setEnabled(true); });
  ASSERT_TRUE(waitUntil([&] { return form.boxesClosed == 3; }));
  EXPECT_EQ(openBox(), nullptr);
  EXPECT_TRUE(form.keyPresses.empty());
  EXPECT_FALSE(rt().ending());
}

// A timer's box that opens while another waits stands over it and is answered first.
TEST_F(QtPlatformTest, ABoxOpenedWhileAnotherWaitsIsOnTopAndAnsweredFirst) {
  std::vector<QString> seen;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    const auto& boxes = platform().openBoxes();
    if (boxes.size() == 1 && seen.empty()) {
      seen.push_back(boxes.back()->title());
      run([&] {
        form.tmrBox.setEnabled(false);
        form.tmrLate.setEnabled(true);
      });
    } else if (boxes.size() == 2 && seen.size() == 1) {
      seen.push_back(openBox()->title());
      ui::qt::MessagePanel* newest = boxes.back();
      const QPoint middle = newest->geometry().center();
      EXPECT_TRUE(newest->isAncestorOf(window()->childAt(middle)));
      press(window(), Qt::Key_Return, "\r");
    } else if (boxes.size() == 1 && seen.size() == 2) {
      seen.push_back(openBox()->title());
      press(window(), Qt::Key_Return, "\r");
    }
  });
  poll.start();
  run([&] { form.tmrBox.setEnabled(true); });
  ASSERT_TRUE(waitUntil([&] { return form.pastBox; }));
  EXPECT_EQ(seen, (std::vector<QString>{"Attente", "Suite", "Attente"}));
  EXPECT_EQ(form.answered, (std::vector<std::string>{"Suite", "Attente"}));
}

// Late wake-ups fire every tick that fell due, so a timer keeps its rate against the real clock.
TEST_F(QtPlatformTest, TimersKeepTheirFixedRateOnTheRealClock) {
  run([&] { form.tmrCount.setEnabled(true); });
  QElapsedTimer clock;
  clock.start();
  spin(300);
  const auto due = static_cast<int>(clock.elapsed() / 5);
  EXPECT_LE(form.countTicks, due + 1);
  EXPECT_GE(form.countTicks, due - 10);
}

TEST_F(QtPlatformTest, ProgramEndClosesTheWaitingBoxAndStopsEveryTimer) {
  form.quitAtCount = 6;
  const int code = runUntilEnd([&] {
    run([&] {
      form.tmrBox.setEnabled(true);
      form.tmrCount.setEnabled(true);
    });
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(rt().ending());
  EXPECT_EQ(form.boxTicks, 1);
  EXPECT_FALSE(form.pastBox);  // the handler that waited in the box never went on
  EXPECT_TRUE(platform().openBoxes().empty());
  EXPECT_EQ(openBox(), nullptr);
  EXPECT_FALSE(window()->isVisible());
  spin(50);
  EXPECT_EQ(form.countTicks, 6);
  press(window(), Qt::Key_A, "a");
  EXPECT_TRUE(form.keyPresses.empty());
}

TEST_F(QtPlatformTest, LabelsPaintPlainTextClippedToTheirRectangle) {
  run([&] {
    form.lblBanner.setCaption("<font color=red>Rouge</font> et encore une ligne\nde trop");
  });
  const QImage image = window()->grab().toImage();
  bool red = false, dark = false;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 640; ++x) {
      const QColor c = image.pixelColor(x, y);
      red = red || (c.red() > 150 && c.green() < 100);
      dark = dark || qGray(c.rgb()) < 80;
    }
  EXPECT_FALSE(red);
  EXPECT_TRUE(dark);
  // The second line falls outside the 20-pixel banner and is cut off.
  for (int x = 0; x < 640; x += 3)
    ASSERT_EQ(image.pixelColor(x, 25), QColor(0, 0, 128)) << x;
}

TEST_F(QtPlatformTest, EveryLayoutFaceIsDrawnWithItsBundledFaceAtItsPixelSize) {
  EXPECT_EQ(ui::qt::registerFonts(), 0);
  for (const ui::FormLayout* layout : {&game::kFrmGame, &game::kFrmBlack}) {
    for (const ui::ElementLayout& e : layout->elements) {
      const QFontInfo info(ui::qt::fontFor(e.font));
      EXPECT_EQ(info.family(), ui::qt::familyFor(e.font.face)) << e.name.data();
      const float points = e.font.face.empty() ? 8.25f : e.font.points;
      EXPECT_EQ(info.pixelSize(), std::lround(points * 4 / 3)) << e.name.data();
    }
  }
  // An auto-size label is as wide as its caption in its real face, in whole pixels.
  run([&] { form.lblSized.setCaption("Brivazon"); });
  const float narrow = form.lblSized.width();
  run([&] { form.lblSized.setCaption("Brivazon Brivazon"); });
  EXPECT_GT(narrow, 0);
  EXPECT_EQ(std::fmod(narrow, 15.0f), 0.0f);
  EXPECT_GT(form.lblSized.width(), 1.8f * narrow);
}

TEST_F(QtPlatformTest, TheWindowInFrontHasTheOneWindowsPictureAndKeys) {
  OtherForm other(rt());
  run([&] {
    form.hide();
    rt().load(other);
    other.show();
  });
  EXPECT_EQ(platform().displayedView(), platform().viewOf(other));
  EXPECT_EQ(window()->grab().toImage().pixelColor(320, 240), QColor(0, 0, 0));
  press(window(), Qt::Key_K, "k");
  EXPECT_EQ(other.keyPresses, std::vector<int>{'k'});
  run([&] {
    form.show();
    other.hide();
  });
  EXPECT_EQ(window()->grab().toImage().pixelColor(320, 240), QColor(0, 0, 128));
  press(window(), Qt::Key_M, "m");
  EXPECT_EQ(form.keyPresses, std::vector<int>{'m'});
  const QWidgetList tops = QApplication::topLevelWidgets();
  EXPECT_EQ(std::count_if(tops.begin(), tops.end(), [](QWidget* w) { return w->isVisible(); }), 1);
}

TEST_F(QtPlatformTest, CloseButtonAsksTheFirstWindowAndClosesOnlyWhenTheProgramEnds) {
  window()->close();
  EXPECT_EQ(form.unloads, 1);
  EXPECT_TRUE(window()->isVisible());
  form.quitOnUnload = true;
  EXPECT_EQ(runUntilEnd([&] { window()->close(); }), 0);
  EXPECT_EQ(form.unloads, 2);
  EXPECT_FALSE(window()->isVisible());
}

// Qt holds back the close button of a window that a modal dialog blocks; the game's boxes must
// not, or the game could not be closed while one waits.
TEST_F(QtPlatformTest, CloseButtonEndsTheGameAtOnceWhileABoxWaits) {
  form.quitOnUnload = true;
  QTimer poll;
  int countAtClose = -1;
  whenBoxOpens(poll, [&](ui::qt::MessagePanel&) {
    spin(30);
    pressCloseButton(window());
    countAtClose = form.countTicks;
  });
  const int code = runUntilEnd([&] {
    run([&] {
      form.tmrBox.setEnabled(true);
      form.tmrCount.setEnabled(true);
    });
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(form.unloads, 1);
  EXPECT_TRUE(rt().ending());
  EXPECT_FALSE(form.pastBox);
  EXPECT_EQ(openBox(), nullptr);
  EXPECT_TRUE(platform().openBoxes().empty());
  EXPECT_FALSE(window()->isVisible());
  EXPECT_GT(countAtClose, 0);
  spin(50);
  EXPECT_EQ(form.countTicks, countAtClose);
  EXPECT_FALSE(platform().armedFor().has_value());
}

TEST_F(QtPlatformTest, WhileABoxWaitsNoKeyOrClickReachesTheWindowOrItsTextBox) {
  run([&] { form.txtEntry.show(); });
  ASSERT_EQ(window()->focusWidget(), entryEdit());
  QTimer poll;
  bool seen = false;
  whenBoxOpens(poll, [&](ui::qt::MessagePanel& box) {
    seen = true;
    type(window(), "ab");
    press(window(), Qt::Key_Return, "\r");
    QInputMethodEvent compose;
    compose.setCommitString(QStringLiteral("x"));
    QCoreApplication::sendEvent(entryEdit(), &compose);
    QTest::mouseClick(entryEdit(), Qt::LeftButton);
    EXPECT_FALSE(rt().ending());
    EXPECT_EQ(box.title(), QStringLiteral("Attente"));
    run([&] { form.tmrBox.setEnabled(false); });
    press(window(), Qt::Key_Return, "\r");
  });
  run([&] { form.tmrBox.setEnabled(true); });
  ASSERT_TRUE(waitUntil([&] { return form.pastBox; }));
  EXPECT_TRUE(seen);
  EXPECT_TRUE(form.keyDowns.empty());
  EXPECT_TRUE(form.keyPresses.empty());
  EXPECT_EQ(form.txtEntry.text(), "");
  EXPECT_TRUE(entryEdit()->text().isEmpty());
  // With the box closed the text box has the keys again.
  type(window(), "c");
  EXPECT_EQ(form.txtEntry.text(), "c");
}

TEST_F(QtPlatformTest, ModifierKeysPressedAloneNeverReachATextBoxHandler) {
  run([&] { form.txtEntry.show(); });
  press(window(), Qt::Key_Shift, {}, Qt::ShiftModifier);
  press(window(), Qt::Key_Control, {}, Qt::ControlModifier);
  press(window(), Qt::Key_Alt, {}, Qt::AltModifier);
  press(window(), Qt::Key_AltGr);
  press(window(), Qt::Key_Meta, {}, Qt::MetaModifier);
  press(window(), Qt::Key_CapsLock);
  press(window(), Qt::Key_A, "A", Qt::ShiftModifier);
  EXPECT_EQ(form.keyDowns, (std::vector<std::pair<int, std::string>>{{'A', ""}}));
  EXPECT_EQ(form.txtEntry.text(), "A");
}

// F11 and Alt+Enter (either Enter key) belong to the window: whoever has the keyboard, the game
// never hears them, and every other key still goes where it went.
TEST_F(QtPlatformTest, F11AndAltEnterSwitchFullScreenAndNeverReachTheGame) {
  const QSize screen = window()->screen()->size();
  window()->move(100, 60);
  const QRect placed = window()->geometry();
  press(window(), Qt::Key_F11);
  EXPECT_TRUE(platform().fullScreen());
  ASSERT_TRUE(waitUntil([&] { return window()->size() == screen; }));
  press(window(), Qt::Key_A, "a");
  run([&] { form.txtEntry.show(); });
  press(window(), Qt::Key_Return, "\r", Qt::AltModifier);
  EXPECT_FALSE(platform().fullScreen());
  ASSERT_TRUE(waitUntil([&] { return window()->size() == QSize(640, 480); }));
  EXPECT_EQ(window()->geometry(), placed);
  EXPECT_EQ(window()->focusWidget(), entryEdit());
  press(window(), Qt::Key_Enter, "\r", Qt::AltModifier | Qt::KeypadModifier);
  EXPECT_TRUE(platform().fullScreen());
  type(window(), "b");
  press(window(), Qt::Key_F11);
  EXPECT_FALSE(platform().fullScreen());
  EXPECT_EQ(form.keyPresses, std::vector<int>{'a'});
  EXPECT_EQ(form.keyDowns, (std::vector<std::pair<int, std::string>>{{'B', ""}}));
  EXPECT_EQ(form.txtEntry.text(), "b");
  EXPECT_TRUE(entryEdit()->isVisible());
}

// The window grows as the player likes and never shrinks below the layout's own size: whatever
// its size, the scene is scaled uniformly to the largest size that fits, centred on black. Full
// screen and back gives a maximised window back maximised, a resized one its place and size.
TEST_F(QtPlatformTest, AResizedOrMaximisedWindowScalesTheSceneAndFullScreenGivesItBack) {
  const QColor navy(0, 0, 128), black(Qt::black);
  const struct {
    QSize asked, size;
    QRect scene;
  } sizes[] = {{{1000, 700}, {1000, 700}, {33, 0, 933, 700}},
               {{700, 900}, {700, 900}, {0, 187, 700, 525}},
               {{320, 240}, {640, 480}, {0, 0, 640, 480}}};
  for (const auto& row : sizes) {
    window()->resize(row.asked);
    ASSERT_TRUE(waitUntil([&] { return window()->size() == row.size; })) << row.size.width();
    EXPECT_EQ(platform().sceneRect(), row.scene);
    EXPECT_EQ(platform().displayedView()->geometry(), row.scene);
    const QImage image = window()->grab().toImage();
    const QPoint corner(row.size.width() - 1, row.size.height() - 1);
    EXPECT_EQ(image.pixelColor(row.scene.bottomLeft()), navy);
    EXPECT_EQ(image.pixelColor(row.scene.bottomRight()), navy);
    for (QPoint p : {QPoint(0, corner.y()), corner})
      EXPECT_EQ(image.pixelColor(p), row.scene.contains(p) ? navy : black) << p.x() << p.y();
  }
  const QSize screen = window()->screen()->size();
  const QRect placed(40, 30, 700, 500);
  for (bool maximized : {false, true}) {
    if (maximized)
      window()->showMaximized();
    else
      window()->setGeometry(placed);
    ASSERT_TRUE(waitUntil([&] { return (window()->geometry() == placed) != maximized; }));
    const QRect before = window()->geometry();
    press(window(), Qt::Key_F11);
    ASSERT_TRUE(waitUntil([&] { return window()->size() == screen; }));
    press(window(), Qt::Key_F11);
    EXPECT_TRUE(waitUntil([&] { return window()->geometry() == before; })) << maximized;
    EXPECT_EQ(window()->isMaximized(), maximized);
    EXPECT_EQ(platform().displayedView()->geometry(), platform().sceneRect());
  }
}

}  // namespace
