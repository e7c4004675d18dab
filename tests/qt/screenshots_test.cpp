// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Shot lists: each shot is the window in front as the game's view paints it, a box that is open
// drawn in it as the window draws it; a list that cannot be played says where.
#include <gtest/gtest.h>

#include <QImage>
#include <sstream>
#include <string>
#include <vector>

#include "tools/screenshots/shots.h"

namespace {

struct Played {
  bool ok = false;
  std::vector<shots::Shot> shots;
  std::string errors;
};

Played play(const std::string& list, double scale = 1) {
  std::istringstream in(list);
  std::ostringstream errors;
  Played p;
  p.ok = shots::play(in, errors, p.shots, scale);
  p.errors = errors.str();
  return p;
}

TEST(ShotsTest, ShotsPictureTheWindowInFrontAndTheBoxOpenOverIt) {
  // "1" player, then Enter on an empty name: a box says so, and the list answers it.
  const Played p = play("start\nwait 200\nshot start\nkey 1\nwait 400\nkey ENTER\nshot box\nok\n");
  ASSERT_TRUE(p.ok) << p.errors;
  ASSERT_EQ(p.shots.size(), 2u);
  const QImage& start = p.shots[0].image;
  const QImage& box = p.shots[1].image;
  EXPECT_EQ(p.shots[0].name, "start");
  ASSERT_EQ(start.size(), QSize(640, 480));
  EXPECT_EQ(start.pixelColor(20, 300), QColor(255, 192, 128));
  EXPECT_EQ(start.pixelColor(250, 194), QColor(255, 192, 192));
  // The box is the window's own panel, with its dark title bar, over the question's place at the
  // top; the rest of the window is as it was.
  ASSERT_EQ(box.size(), QSize(640, 480));
  EXPECT_EQ(box.pixelColor(5, 5), QColor(255, 192, 128));
  EXPECT_EQ(box.pixelColor(84, 52), QColor(36, 52, 92));
  EXPECT_EQ(box.pixelColor(320, 300), QColor(255, 192, 128));
}

TEST(ShotsTest, ShotsTakeTheScaleTheyAreAskedFor) {
  const Played p = play("start\nshot start\n", 2);
  ASSERT_TRUE(p.ok) << p.errors;
  ASSERT_EQ(p.shots.size(), 1u);
  EXPECT_EQ(p.shots[0].image.size(), QSize(1280, 960));
  EXPECT_EQ(p.shots[0].image.pixelColor(40, 600), QColor(255, 192, 128));
}

TEST(ShotsTest, AListThatCannotBePlayedSaysWhere) {
  Played p = play("start\nshot a\nshot a\n");
  EXPECT_FALSE(p.ok);
  EXPECT_NE(p.errors.find("line 3"), std::string::npos) << p.errors;
  p = play("shot early\nstart\n");
  EXPECT_FALSE(p.ok);
  EXPECT_NE(p.errors.find("no window is shown"), std::string::npos) << p.errors;
  p = play("start\nkey 1\nfly 3\nshot late\n");
  EXPECT_FALSE(p.ok);
  EXPECT_NE(p.errors.find("line 3"), std::string::npos) << p.errors;
  p = play("start\nkey ESC\nshot gone\n");
  EXPECT_FALSE(p.ok);
  EXPECT_NE(p.errors.find("ended"), std::string::npos) << p.errors;
}

}  // namespace
