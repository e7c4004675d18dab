// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real game on screens other than the plain one: full screen on a wide screen (the scene
// scaled to the largest size that fits, centred on black, its text drawn at the screen's own
// resolution, every key as in the window) and a screen scaled twice (twice the device pixels,
// text as sharp as the screen allows).
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QScreen>

#include "content/frm_black.h"
#include "tests/qt/qt_test_support.h"

namespace {

using namespace brivazon_test;

// Pixels of `region` whose grey levels differ by more than a faint anti-aliasing step.
int differingPixels(const QImage& a, const QImage& b, const QRect& region) {
  int n = 0;
  for (int y = region.top(); y <= region.bottom(); ++y)
    for (int x = region.left(); x <= region.right(); ++x)
      if (std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 48) ++n;
  return n;
}

class DisplayTest : public brivazon_test::GameOnScreen {
 protected:
  QSize screen() { return window()->screen()->size(); }

  void goFullScreen() {
    press(window(), Qt::Key_F11);
    ASSERT_TRUE(waitUntil([&] { return window()->size() == screen(); }));
  }
  // A point of the 640 x 480 layout where the full-screen scene shows it.
  QPoint onScreen(int x, int y) {
    const QRect scene = qt.platform().sceneRect();
    const qreal scale = qt.platform().sceneScale();
    return scene.topLeft() + QPoint(qRound(x * scale), qRound(y * scale));
  }
};

TEST_F(DisplayTest, FullScreenScalesTheSceneToFitCentredOnBlackWithTextAtTheScreensResolution) {
  if (screen().width() * 3 <= screen().height() * 4)
    GTEST_SKIP() << "needs a screen wider than 4:3";
  if (window()->devicePixelRatio() != 1) GTEST_SKIP() << "counts pixels on a screen of ratio 1";
  ASSERT_NO_FATAL_FAILURE(goFullScreen());
  const qreal scale = screen().height() / 480.0;
  const int width = qRound(640 * scale);
  const QRect scene = qt.platform().sceneRect();
  EXPECT_EQ(scene, QRect((screen().width() - width) / 2, 0, width, screen().height()));
  EXPECT_EQ(qt.platform().displayedView()->geometry(), scene);

  const QImage image = picture();
  image.save(QStringLiteral(BRIVAZON_QT_TEST_OUTPUT "/full-screen.png"));
  ASSERT_EQ(image.size(), screen());
  for (int y = 0; y < image.height(); y += 5) {
    ASSERT_EQ(image.pixelColor(0, y), QColor(Qt::black)) << y;
    ASSERT_EQ(image.pixelColor(scene.left() - 1, y), QColor(Qt::black)) << y;
    ASSERT_EQ(image.pixelColor(scene.right() + 1, y), QColor(Qt::black)) << y;
    ASSERT_EQ(image.pixelColor(image.width() - 1, y), QColor(Qt::black)) << y;
  }
  // The start screen's back colour and the badges' corners, where the scale puts them.
  EXPECT_EQ(image.pixelColor(scene.topLeft() + QPoint(1, 1)), QColor(255, 192, 128));
  EXPECT_EQ(image.pixelColor(scene.bottomRight() - QPoint(1, 1)), QColor(255, 192, 128));
  EXPECT_EQ(image.pixelColor(onScreen(251, 195)), QColor(255, 192, 192));
  EXPECT_EQ(image.pixelColor(onScreen(307, 195)), QColor(192, 255, 255));
  EXPECT_EQ(image.pixelColor(onScreen(363, 195)), QColor(255, 192, 255));

  // The question's text is drawn anew at the scale, not the window's picture stretched: it
  // differs from the window's picture blown up either way, where the flat colours agree.
  const QImage window = ui::qt::renderForm(frm()).convertToFormat(QImage::Format_RGB32);
  const QImage scened = image.copy(scene);
  const QRect question(QPoint(onScreen(192, 128) - scene.topLeft()),
                       QPoint(onScreen(449, 185) - scene.topLeft()));
  for (Qt::TransformationMode mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
    const QImage stretched = window.scaled(scene.size(), Qt::IgnoreAspectRatio, mode);
    EXPECT_GT(differingPixels(scened, stretched, question), 400) << mode;
    EXPECT_EQ(differingPixels(scened, stretched, QRect(10, 500, 300, 100)), 0) << mode;
  }
}

TEST_F(DisplayTest, AGameStartsFullScreenWithTheKeysOfTheWindowAndEscapeStillEndsIt) {
  ASSERT_NO_FATAL_FAILURE(goFullScreen());
  const qreal scale = qt.platform().sceneScale();
  const QRect scene = qt.platform().sceneRect();
  press(window(), Qt::Key_1, "1");
  ASSERT_TRUE(waitUntil([&] { return window()->focusWidget() == nameEdit(); }));
  // The name box stands and writes at the scene's scale.
  const int boxLeft = qRound(frm().txtInput.left() / 15 * scale);
  ASSERT_TRUE(waitUntil([&] { return nameEdit()->geometry().left() == boxLeft; }));
  EXPECT_EQ(nameEdit()->geometry().width(), qRound(frm().txtInput.width() / 15 * scale));
  EXPECT_EQ(nameEdit()->font().pixelSize(), qRound(11 * scale));
  type(window(), QString::fromUtf8("Léa"));
  press(window(), Qt::Key_F11);
  press(window(), Qt::Key_F11);
  press(window(), Qt::Key_Return, "\r", Qt::AltModifier);
  press(window(), Qt::Key_Return, "\r", Qt::AltModifier);
  EXPECT_TRUE(qt.platform().fullScreen());
  EXPECT_EQ(frm().txtInput.text(), "Léa");
  press(window(), Qt::Key_Return, "\r");
  EXPECT_EQ(frm().lblName20.caption(), "Léa");
  // The welcome card takes the same place and scale.
  ASSERT_TRUE(game.hasFrmBlack());
  ui::qt::FormView* card = qt.platform().viewOf(game.frmBlack());
  EXPECT_EQ(qt.platform().displayedView(), card);
  EXPECT_EQ(card->geometry(), scene);
  EXPECT_EQ(card->scale(), scale);
  EXPECT_EQ(window()->focusWidget(), card);
  EXPECT_EQ(runUntilEnd([&] { press(window(), Qt::Key_Escape); }), 0);
  EXPECT_TRUE(qt.runtime().ending());
}

// A box is part of the scene: it stands where the window puts it, at the scene's scale.
TEST_F(DisplayTest, AMessageBoxInFullScreenIsScaledWithTheScene) {
  ASSERT_NO_FATAL_FAILURE(goFullScreen());
  const qreal scale = qt.platform().sceneScale();
  QTimer poll;
  QRect place;
  int titleSize = 0;
  QImage seen;
  whenBoxOpens(poll, [&](ui::qt::MessagePanel& box) {
    place = box.geometry();
    titleSize = box.titleLabel()->font().pixelSize();
    seen = picture();
    press(window(), Qt::Key_Space, " ");
  });
  qt.platform().enter([&] { qt.runtime().messageBox("Jeu-fin!"); });
  ASSERT_FALSE(seen.isNull());
  // The game window's area for boxes: 80, 48, 480 pixels wide, scaled.
  EXPECT_EQ(place.topLeft(), onScreen(80, 48));
  EXPECT_EQ(place.width(), qRound(480 * scale));
  EXPECT_LE(place.bottom(), onScreen(0, 172).y());
  EXPECT_EQ(titleSize, qRound(13 * scale));
  EXPECT_EQ(seen.pixelColor(place.topLeft() + QPoint(4, 4) * scale), QColor(36, 52, 92));
  EXPECT_FALSE(qt.runtime().ending());
}

// Run with a screen of device pixel ratio 2 (or QT_SCALE_FACTOR=2).
TEST_F(DisplayTest, OnAScreenScaledTwiceTheWindowHasTwiceTheDevicePixelsAndSharpText) {
  if (window()->devicePixelRatio() != 2) GTEST_SKIP() << "needs a screen scaled 2x";
  EXPECT_EQ(window()->size(), QSize(640, 480));
  const QImage image = picture();
  image.save(QStringLiteral(BRIVAZON_QT_TEST_OUTPUT "/scaled-twice.png"));
  ASSERT_EQ(image.size(), QSize(1280, 960));
  EXPECT_EQ(image.pixelColor(40, 600), QColor(255, 192, 128));
  EXPECT_EQ(image.pixelColor(502, 390), QColor(255, 192, 192));
  // A picture stretched twice is made of 2 x 2 blocks of one colour; text drawn for the device
  // pixels has its edges inside the blocks.
  int split = 0;
  for (int y = 256; y < 370; y += 2)
    for (int x = 384; x < 898; x += 2) {
      const QRgb p = image.pixel(x, y);
      if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
          image.pixel(x + 1, y + 1) != p)
        ++split;
    }
  EXPECT_GT(split, 300);
  // The name box is drawn at the device resolution too.
  press(window(), Qt::Key_1, "1");
  ASSERT_TRUE(waitUntil([&] { return window()->focusWidget() == nameEdit(); }));
  type(window(), QStringLiteral("Ana"));
  const QImage box = nameEdit()->grab().toImage();
  EXPECT_EQ(box.size(), nameEdit()->size() * 2);
}

}  // namespace
