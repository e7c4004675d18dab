// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's description of the table for the backends: the seats in play with their buzz keys,
// players and score labels, and the name of the screen showing, as a screen reader says it.
#include <array>

#include "content/frm_black.h"
#include "game/brivazon.h"
#include "game/frm_game.h"
#include "ui/numeric.h"

namespace game {

namespace {

constexpr std::array<char32_t, 3> kSeatKeys{U'q', U'b', U'p'};

// The seats in play by player count: one player sits in the middle, two at the sides.
constexpr std::array<std::array<int, 3>, 4> kPlaces{{{}, {2}, {1, 3}, {1, 2, 3}}};

}  // namespace

ui::Table Brivazon::describeTable() const {
  ui::Table table;
  if (!frmGame_) return table;
  FrmGame& g = *frmGame_;
  if (g.playerCount >= 1 && g.playerCount <= 3) {
    for (int place : kPlaces[static_cast<std::size_t>(g.playerCount)]) {
      if (place == 0) break;
      table.seats.push_back({place, kSeatKeys[static_cast<std::size_t>(place - 1)],
                             g.nameTag(place).caption(), &g.scoreLabel(place)});
    }
  }
  if (frmBlack_ && runtime_.front() == frmBlack_.get()) {
    table.screen = "Carton d'annonce";
  } else if (g.phaseIs("PNumber")) {
    table.screen = "Nombre de joueurs";
  } else if (g.phaseIs("Name")) {
    table.screen = "Noms des joueurs";
  } else if (g.phaseIs("CTopic") || g.phaseIs("CTopic1") || g.phaseIs("Topic")) {
    table.screen = "Choix du sujet";
  } else if (g.phaseIs("Question") || g.phaseIs("Answer")) {
    if (ui::val(g.lblr.caption()) == 15)
      table.screen = "Manche finale";
    else if (g.questionId > 1000)
      table.screen = "Question charabia";
    else
      table.screen = "Question";
  }
  return table;
}

}  // namespace game
