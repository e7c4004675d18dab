// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The opening of a game: the player-count key, the count badges shrinking away, the name
// prompts sliding in over the name box, the names typed (or left empty and replaced by a
// default name) landing on the seats in play, and Escape in the name box. The scenarios
// tests/data/count_key_twice.scn and name_*.scn check more of it with `expect` lines.
#include <string>
#include <vector>

#include "tests/support.h"

namespace {

using testing_support::Game;

std::string n(float v) {
  return std::to_string(static_cast<int>(v));
}

// Where an element stands, as "left,top", and with its size, as "left,top,width,height".
std::string place(const ui::Element& e) {
  return n(e.left()) + "," + n(e.top());
}
std::string box(const ui::Element& e) {
  return place(e) + "," + n(e.width()) + "," + n(e.height());
}

TEST(PlayerCount, AnyOtherKeyOnlyHidesTheQuestionAndACountKeyStillStartsTheGame) {
  Game game;
  game.play({"start", "key 7", "wait 200"});
  EXPECT_FALSE(game.g().lblPNumber.visible());
  EXPECT_EQ(game.phase(), "PNumber");
  EXPECT_EQ(game.g().playerCount, 0);
  for (auto* badge : {&game.g().lbl1P, &game.g().lbl2P, &game.g().lbl3P}) {
    EXPECT_TRUE(badge->visible()) << badge->name();
    EXPECT_EQ(badge->width(), 555) << badge->name();
    EXPECT_EQ(badge->height(), 555) << badge->name();
  }
  EXPECT_FALSE(game.g().tmrName1.enabled());

  game.play({"key 2"});
  EXPECT_EQ(game.phase(), "Name");
  EXPECT_EQ(game.g().playerCount, 2);
  EXPECT_EQ(game.g().curPlayer, 1);
  EXPECT_TRUE(game.g().tmrP2Anim.enabled());
  // The count question never comes back.
  game.play({"wait 400"});
  EXPECT_FALSE(game.g().lblPNumber.visible());
  EXPECT_TRUE(game.g().txtInput.visible());
  EXPECT_EQ(game.lines("phase"), (std::vector<std::string>{"phase \"PNumber\"", "phase \"Name\""}));
}

TEST(PlayerCount, TheChosenBadgeShrinksFirstThenTheOtherTwoTogether) {
  struct Case {
    const char* key;
    int chosen;  // 1, 2 or 3
  };
  for (Case c : {Case{"key 1", 1}, Case{"key 2", 2}, Case{"key 3", 3}}) {
    SCOPED_TRACE(c.key);
    Game game;
    auto g = [&]() -> game::FrmGame& { return game.g(); };
    game.play({"start", c.key});
    ui::Label* badges[] = {&game.g().lbl1P, &game.g().lbl2P, &game.g().lbl3P};
    const std::string start[] = {"3720,2880,555,555", "4560,2880,555,555", "5400,2880,555,555"};
    // Three ticks in: only the chosen badge has moved, by three steps.
    const std::string third[] = {"3840,2880,315,555", "4560,3000,555,315", "5520,2880,315,555"};
    const std::string last[] = {"3960,2880,75,555", "4560,3120,555,75", "5640,2880,75,555"};
    game.play({"wait 30"});
    for (int b = 0; b < 3; ++b)
      EXPECT_EQ(box(*badges[b]), b + 1 == c.chosen ? third[b] : start[b]) << "badge " << b + 1;
    // Five ticks: still there, at 155.
    game.play({"wait 20"});
    EXPECT_TRUE(badges[c.chosen - 1]->visible());
    // Sixth tick: gone at 75, and nothing else has moved yet.
    game.play({"wait 10"});
    for (int b = 0; b < 3; ++b) {
      if (b + 1 == c.chosen) {
        EXPECT_FALSE(badges[b]->visible());
        EXPECT_EQ(box(*badges[b]), last[b]);
      } else {
        EXPECT_TRUE(badges[b]->visible()) << "badge " << b + 1;
        EXPECT_EQ(box(*badges[b]), start[b]) << "badge " << b + 1;
      }
    }
    EXPECT_FALSE(g().tmrName1.enabled());
    // The two others shrink side by side, step for step.
    game.play({"wait 30"});
    for (int b = 0; b < 3; ++b) {
      if (b + 1 != c.chosen) {
        EXPECT_EQ(box(*badges[b]), third[b]) << "badge " << b + 1;
      }
    }
    game.play({"wait 20"});
    for (int b = 0; b < 3; ++b) {
      if (b + 1 != c.chosen) {
        EXPECT_TRUE(badges[b]->visible()) << "badge " << b + 1;
      }
    }
    EXPECT_FALSE(g().tmrName1.enabled());
    game.play({"wait 10"});
    for (int b = 0; b < 3; ++b) {
      EXPECT_FALSE(badges[b]->visible()) << "badge " << b + 1;
      EXPECT_EQ(box(*badges[b]), last[b]) << "badge " << b + 1;
    }
    EXPECT_FALSE(g().tmrP1Anim.enabled());
    EXPECT_FALSE(g().tmrP2Anim.enabled());
    EXPECT_FALSE(g().tmrP3Anim.enabled());
    // The first name prompt starts with the last badge's finish, and moves one step a tick
    // even though both finishing badges may have started it.
    EXPECT_TRUE(g().tmrName1.enabled());
    EXPECT_EQ(g().lblName1.top(), -500);
    game.play({"wait 10"});
    EXPECT_EQ(g().lblName1.top(), -300);
    game.play({"wait 10"});
    EXPECT_EQ(g().lblName1.top(), -100);
    // Nothing shows the badges again.
    game.play({"wait 500"});
    for (auto* b : badges)
      EXPECT_FALSE(b->visible());
  }
}

// The first prompt drops from above, the second comes in from the left and the third from the
// right; each shows the name box once it comes to rest, and the Enter that follows hides both.
TEST(NamePrompts, EachPromptSlidesToItsRestingPlaceAndThenShowsTheNameBox) {
  Game game;
  game.play({"start", "key 3"});
  auto& g = game.g();
  struct Slide {
    std::vector<sim::Step> steps;  // up to a tick before the prompt comes to rest
    ui::Label& prompt;
    ui::Timer& timer;
    std::string before, rest;  // where it stands a tick before it comes to rest, and at rest
  };
  const Slide slides[] = {
      // Key at 0; the badges are gone at 120; the first prompt moves from 130 on.
      {{"wait 240"}, g.lblName1, g.tmrName1, "4200,1900", "4200,2100"},
      {{"type Ana", "key ENTER", "wait 270"}, g.lblName2, g.tmrName2, "4150,1950", "4350,1950"},
      {{"type Bo", "key ENTER", "wait 260"}, g.lblName3, g.tmrName3, "4400,1950", "4200,1950"},
  };
  for (const Slide& s : slides) {
    SCOPED_TRACE(s.prompt.name());
    game.play(s.steps);
    EXPECT_EQ(place(s.prompt), s.before);
    EXPECT_TRUE(s.timer.enabled());
    EXPECT_FALSE(g.txtInput.visible());
    EXPECT_EQ(g.txtInput.text(), "");
    if (&s != slides) {
      EXPECT_FALSE((&s - 1)->prompt.visible());
    }
    game.play({"wait 10"});
    EXPECT_EQ(place(s.prompt), s.rest);
    EXPECT_TRUE(g.txtInput.visible());
    EXPECT_FALSE(s.timer.enabled());
    game.play({"wait 100"});
    EXPECT_EQ(place(s.prompt), s.rest);
    EXPECT_TRUE(s.prompt.visible());
  }

  // The last Enter swaps the windows within the key press.
  game.play({"type Cy", "key ENTER"});
  EXPECT_FALSE(g.lblName3.visible());
  EXPECT_EQ(game.phase(), "Intro");
  EXPECT_FALSE(game.g().visible());
  ASSERT_NE(game.card(), nullptr);
  EXPECT_TRUE(game.card()->visible());
  const auto tail = game.lines("");
  ASSERT_GE(tail.size(), 4u);
  EXPECT_EQ(tail[tail.size() - 4], "phase \"Intro\"");
  EXPECT_EQ(tail[tail.size() - 3], "hide frmGame");
  EXPECT_EQ(tail[tail.size() - 2], "show frmBlack");
}

// One player sits in the middle, two left and right, three from left to right; an empty name
// gets the seat's default name with its "Pas de nom!" box; an empty seat shows no tag or score.
TEST(Names, EachNameLandsOnItsSeatOrGetsItsSeatsDefault) {
  auto box = [](const std::string& who) {
    return "Pas de nom!|Pas de nom?  Nous allons tu appeller " + who + ".";
  };
  struct Case {
    std::vector<std::string> typed;
    std::vector<std::string> tags;  // left, middle, right; "-" for a tag that stays hidden
    std::vector<std::string> boxes;
  };
  const Case cases[] = {
      {{"Zoé"}, {"-", "Zoé", "-"}, {}},
      {{""}, {"-", "Fleure", "-"}, {box("une Fleure")}},
      {{"Ana", "Bo"}, {"Ana", "-", "Bo"}, {}},
      {{"", ""}, {"Oiseau", "-", "Pomme"}, {box("un Oiseau"), box("un Pomme")}},
      {{"Ana", "Bo", "Cy"}, {"Ana", "Bo", "Cy"}, {}},
      {{"", "", ""},
       {"Oiseau", "François", "Pierre"},
       {box("un Oiseau"), box("François"), box("Pierre")}},
      {{"Ana", "", "Cy"}, {"Ana", "François", "Cy"}, {box("François")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.typed));
    Game game;
    game.play(testing_support::toFirstTopic(c.typed));
    auto& g = game.g();
    const ui::Label* tags[] = {&g.lblName10, &g.lblName20, &g.lblName30};
    const ui::Label* scores[] = {&g.lblQ, &g.lblB, &g.lblP};
    for (std::size_t seat = 0; seat < 3; ++seat) {
      const bool inPlay = c.tags[seat] != "-";
      EXPECT_EQ(tags[seat]->visible() ? tags[seat]->caption() : "-", c.tags[seat]);
      if (!inPlay) {
        EXPECT_EQ(tags[seat]->caption(), "");
      }
      EXPECT_EQ(scores[seat]->visible(), inPlay) << scores[seat]->name();
      EXPECT_EQ(scores[seat]->caption(), "0") << scores[seat]->name();
    }
    EXPECT_EQ(game.messages(), c.boxes);
  }
}

TEST(Names, ANameIsKeptExactlyAsTyped) {
  const std::string markup = "<b>Ana</b> & <i>Bo</i>";
  const std::string blanks = "   ";
  std::string longName;
  for (int i = 0; i < 30; ++i)
    longName += "Jean-Édouard ";
  longName += "œ";
  Game game;
  game.play(testing_support::toFirstTopic({markup, blanks, longName}));
  EXPECT_EQ(game.g().lblName10.caption(), markup);
  EXPECT_EQ(game.g().lblName20.caption(), blanks);
  EXPECT_EQ(game.g().lblName30.caption(), longName);
  EXPECT_TRUE(game.messages().empty());
  // An auto-size tag follows its name and keeps its place.
  EXPECT_EQ(game.g().lblName30.left(), 8475);
  EXPECT_GT(game.g().lblName30.width(), game.g().lblName10.width());
}

TEST(Names, EscapeInTheNameBoxEndsTheGame) {
  for (const char* when : {"first", "second"}) {
    SCOPED_TRACE(when);
    Game game;
    std::vector<sim::Step> steps{"start", "key 3", "wait 300"};
    if (std::string(when) == "second")
      steps.insert(steps.end(), {"type Ana", "key ENTER", "wait 300", "type Bo"});
    steps.insert(steps.end(), {"key ESC", "wait 1000", "key ENTER"});
    game.play(steps);
    EXPECT_TRUE(game.ended());
    const auto all = game.lines("");
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back(), "end");
    EXPECT_TRUE(game.messages().empty());
    EXPECT_EQ(game.phase(), "Name");
  }
}

}  // namespace
