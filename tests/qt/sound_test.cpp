// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The warning sound where nothing can play it: it falls back to the toolkit's beep at once, every
// time, without blocking the game.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "ui/qt/desktop_sound.h"
#include "ui/qt/qt_platform.h"
#include "ui/runtime.h"

namespace {

using Outcome = ui::qt::DesktopSound::Outcome;

TEST(DesktopSoundTest, AnOutputThatCannotOpenFallsBackAtOnceEveryTime) {
  ui::qt::DesktopSound sound("no-such-output");
  QElapsedTimer clock;
  clock.start();
  for (int i = 0; i < 20; ++i)
    EXPECT_EQ(sound.bell(), Outcome::Fallback);
  EXPECT_LT(clock.elapsed(), 500);
}

TEST(DesktopSoundTest, WithoutASoundOutputTheGamesBeepFallsBackWithoutTryingTheLibrary) {
  if (ui::qt::soundOutputLikely()) GTEST_SKIP() << "this machine has a sound output";
  ui::qt::DesktopSound sound;
  EXPECT_EQ(sound.bell(), Outcome::Fallback);
  ui::qt::QtRuntime qt;
  QElapsedTimer clock;
  clock.start();
  qt.platform().enter([&] {
    for (int i = 0; i < 20; ++i)
      qt.runtime().beep();
  });
  EXPECT_LT(clock.elapsed(), 500);
  EXPECT_FALSE(qt.runtime().ending());
}

}  // namespace
