// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real game in the real window: what the start screen looks like, and keys as a player
// presses them (Escape, a name with accents, keys while a message box waits).
#include <gtest/gtest.h>

#include <memory>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRect>

#include "content/frm_black.h"
#include "tests/qt/qt_test_support.h"

namespace {

using namespace brivazon_test;

class GameWindowTest : public GameOnScreen {
 protected:
  // "1" for one player, then the badges shrink and the first prompt slides in over the box.
  void choseOnePlayer() {
    press(window(), Qt::Key_1, "1");
    ASSERT_TRUE(waitUntil([&] { return window()->focusWidget() == nameEdit(); }));
  }
};

TEST_F(GameWindowTest, StartScreenShowsTheQuestionAndTheThreeBadgesInTheirColours) {
  const QImage image = picture();
  image.save(QStringLiteral(BRIVAZON_QT_TEST_OUTPUT "/start.png"));
  ASSERT_EQ(image.size(), QSize(640, 480));
  EXPECT_EQ(window()->windowTitle(), QStringLiteral("Brivazon!"));
  EXPECT_EQ(image.pixelColor(20, 300), QColor(255, 192, 128));
  // lblPNumber's rectangle, 192,128 to 449,185: the question is too long for one line of it and
  // is written on two.
  auto darkPixels = [&](int top, int bottom) {
    int dark = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 192; x < 449; ++x)
        if (qGray(image.pixel(x, y)) < 100) ++dark;
    return dark;
  };
  EXPECT_GT(darkPixels(128, 148), 100);
  EXPECT_GT(darkPixels(148, 168), 100);
  // The badges' top-left corners, clear of their digits.
  EXPECT_EQ(image.pixelColor(250, 194), QColor(255, 192, 192));
  EXPECT_EQ(image.pixelColor(306, 194), QColor(192, 255, 255));
  EXPECT_EQ(image.pixelColor(362, 194), QColor(255, 192, 255));
}

TEST_F(GameWindowTest, FingersAndClicksAreTheKeysOfTheirPlacesAndGiveTheNameBoxTheKeyboard) {
  // The test's own touch screen, gone with the test rather than with the application.
  const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice());
  QPointingDevice* screen = touchScreen.get();
  auto centre = [](const ui::Element& e) {
    return QPoint(qRound((e.left() + e.width() / 2) / ui::kTwipsPerPixel),
                  qRound((e.top() + e.height() / 2) / ui::kTwipsPerPixel));
  };
  // Two fingers in one touch: the badge "2", and the band, where no zone is live yet.
  QTest::touchEvent(window(), screen).press(0, centre(frm().lbl2P)).press(1, centre(frm().lblB));
  QTest::touchEvent(window(), screen)
      .release(0, centre(frm().lbl2P))
      .release(1, centre(frm().lblB));
  EXPECT_EQ(frm().playerCount, 2);
  ASSERT_TRUE(waitUntil([&] { return window()->focusWidget() == nameEdit(); }));
  // A click elsewhere than the box types nothing and leaves it the keyboard.
  QTest::mouseClick(window(), Qt::LeftButton, {}, centre(frm().lblB));
  EXPECT_EQ(window()->focusWidget(), nameEdit());
  EXPECT_EQ(frm().txtInput.text(), "");
}

TEST_F(GameWindowTest, EscapeEndsTheApplication) {
  EXPECT_EQ(runUntilEnd([&] { press(window(), Qt::Key_Escape); }), 0);
  EXPECT_TRUE(qt.runtime().ending());
  EXPECT_FALSE(window()->isVisible());
  EXPECT_FALSE(qt.platform().armedFor().has_value());
}

TEST_F(GameWindowTest, NameTypedWithAccentsGoesOnTheNameTag) {
  choseOnePlayer();
  type(window(), QString::fromUtf8("Léa Çœ"));
  EXPECT_EQ(nameEdit()->text(), QString::fromUtf8("Léa Çœ"));
  EXPECT_EQ(frm().txtInput.text(), "Léa Çœ");
  press(window(), Qt::Key_Return, "\r");
  EXPECT_EQ(frm().lblName20.caption(), "Léa Çœ");
  EXPECT_TRUE(frm().phaseIs("Intro"));
  // The welcome card took the one window's picture and its keyboard.
  ASSERT_TRUE(game.hasFrmBlack());
  EXPECT_EQ(qt.platform().displayedView(), qt.platform().viewOf(game.frmBlack()));
  EXPECT_EQ(window()->focusWidget(), qt.platform().viewOf(game.frmBlack()));
  const QWidgetList tops = QApplication::topLevelWidgets();
  EXPECT_EQ(std::count_if(tops.begin(), tops.end(), [](QWidget* w) { return w->isVisible(); }), 1);
}

TEST_F(GameWindowTest, KeysPressedWhileAMessageBoxWaitsNeverReachTheGame) {
  choseOnePlayer();
  QTimer poll;
  bool boxSeen = false;
  whenBoxOpens(poll, [&](ui::qt::MessagePanel& box) {
    boxSeen = true;
    EXPECT_EQ(box.title(), QStringLiteral("Pas de nom!"));
    EXPECT_EQ(box.window(), window());
    EXPECT_EQ(box.textLabel()->textFormat(), Qt::PlainText);
    press(window(), Qt::Key_Q, "q");
    press(window(), Qt::Key_2, "2");
    press(window(), Qt::Key_Escape);
    EXPECT_FALSE(qt.runtime().ending());
    EXPECT_TRUE(frm().txtInput.text().empty());
    EXPECT_TRUE(frm().lblName20.caption().empty());
    press(window(), Qt::Key_Return, "\r");
  });
  // An empty name: the box opens inside this key press and closes before it returns.
  press(window(), Qt::Key_Return, "\r");
  EXPECT_TRUE(boxSeen);
  EXPECT_FALSE(qt.runtime().ending());
  EXPECT_EQ(frm().lblName20.caption(), "Fleure");
  EXPECT_TRUE(qt.platform().openBoxes().empty());
}

// The verdict's box stands over the question, in the window itself: the verdict's colours on the
// choices and the scores stay in sight, and its whole title shows.
TEST_F(GameWindowTest, AVerdictsBoxLeavesTheChoicesAndTheScoresInSightAndShowsItsWholeTitle) {
  qt.platform().enter([&] {
    for (ui::Label* badge : {&frm().lblPNumber, &frm().lbl1P, &frm().lbl2P, &frm().lbl3P})
      badge->hide();
    for (ui::Label* choice : {&frm().lblChoice1, &frm().lblChoice2, &frm().lblChoice3,
                              &frm().lblChoice4, &frm().lblQ, &frm().lblP})
      choice->show();
    frm().lblChoice1.setBackColor(game::kRed);
    frm().lblChoice2.setBackColor(game::kGreen);
  });
  QTimer poll;
  QImage seen;
  QRect place;
  bool wholeTitle = false;
  whenBoxOpens(poll, [&](ui::qt::MessagePanel& box) {
    seen = picture();
    place = box.geometry();
    EXPECT_EQ(box.title(), QStringLiteral("Brivazon!"));
    EXPECT_EQ(box.text(), QStringLiteral("C'est incorrect."));
    const QLabel& title = *box.titleLabel();
    wholeTitle =
        title.fontMetrics().horizontalAdvance(title.text()) <= title.contentsRect().width();
    press(window(), Qt::Key_Return, "\r");
  });
  qt.platform().enter([&] { qt.runtime().messageBox("C'est incorrect."); });
  ASSERT_FALSE(seen.isNull());
  seen.save(QStringLiteral(BRIVAZON_QT_TEST_OUTPUT "/verdict-box.png"));
  EXPECT_TRUE(wholeTitle);
  // The panel's dark title bar, over the question's place and above the first choice (y 176).
  EXPECT_EQ(seen.pixelColor(place.topLeft() + QPoint(4, 4)), QColor(36, 52, 92));
  EXPECT_LT(place.bottom(), 176);
  // The right edges of choices 1 and 2, and the two scores.
  for (int y = 178; y < 214; y += 4) {
    EXPECT_EQ(seen.pixelColor(454, y), QColor(255, 0, 0)) << y;
    EXPECT_EQ(seen.pixelColor(454, y + 48), QColor(0, 255, 0)) << y;
  }
  const auto score = frm().lblQ.backColor();
  ASSERT_TRUE(score.has_value());
  EXPECT_EQ(seen.pixelColor(20, 444), QColor(score->r, score->g, score->b));
  EXPECT_EQ(seen.pixelColor(620, 444), QColor(score->r, score->g, score->b));
}

// The README's pictures are painted away from the window: they must be the window's own picture.
TEST_F(GameWindowTest, AWindowPaintedAwayFromTheWindowIsTheWindowsOwnPicture) {
  EXPECT_EQ(ui::qt::renderForm(frm()), picture().convertToFormat(QImage::Format_RGB32));
  choseOnePlayer();
  type(window(), QStringLiteral("Ana"));
  // Only the name box differs, by the focus frame and caret that only the window has; the
  // name is written in both.
  const QImage apart = ui::qt::renderForm(frm());
  const QImage own = picture().convertToFormat(QImage::Format_RGB32);
  const QRect box = nameEdit()->geometry();
  int written = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      if (box.contains(x, y)) {
        written += qGray(apart.pixel(x, y)) < 100 && qGray(own.pixel(x, y)) < 100;
        continue;
      }
      ASSERT_EQ(apart.pixel(x, y), own.pixel(x, y)) << x << "," << y;
    }
  EXPECT_GT(written, 20);
}

}  // namespace
