// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's description of the table for the backends: the seats in play with their buzz keys,
// players and score labels, and the name of the screen showing, as a screen reader says it.
#include "game/brivazon.h"
#include "game/frm_game.h"

namespace game {

ui::Table Brivazon::describeTable() const {
  ui::Table table;
  if (!frmGame_) return table;
  FrmGame& g = *frmGame_;
  if (g.playerCount >= 1 && g.playerCount <= 3) {
    for (const SeatKey& k : kSeatKeys) {
      if (!k.inPlay[static_cast<std::size_t>(g.playerCount)]) continue;
      table.seats.push_back({k.seat, static_cast<char32_t>(k.key), g.nameTag(k.seat).caption(),
                             &g.scoreLabel(k.seat), &g.nameTag(k.seat)});
    }
  }
  if (frmBlack_ && runtime_.front() == frmBlack_.get()) {
    table.screen = "Carton d'annonce";
  } else if (g.phaseIs(phase::kPlayerCount)) {
    table.screen = "Nombre de joueurs";
  } else if (g.phaseIs(phase::kName)) {
    table.screen = "Noms des joueurs";
  } else if (g.phaseIs(phase::kNextTopic) || g.phaseIs(phase::kChooseTopic) ||
             g.phaseIs(phase::kTopic)) {
    table.screen = "Choix du sujet";
  } else if (g.phaseIs(phase::kQuestion) || g.phaseIs(phase::kAnswer)) {
    if (g.finalRound())
      table.screen = "Manche finale";
    else if (g.isGibberish())
      table.screen = "Question charabia";
    else
      table.screen = "Question";
  }
  return table;
}

}  // namespace game
