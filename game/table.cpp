// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's description of the table for the backends: the seats in play with their buzz keys,
// players and score labels, the name of the screen showing, as a screen reader says it, and the
// places on screen that stand for keys now.
#include <algorithm>
#include <initializer_list>

#include "game/brivazon.h"
#include "game/frm_game.h"

namespace game {

namespace {

// The smallest rectangle around the labels shown, as they stand now: a number and its text are
// one target. Empty when none is shown.
ui::Area around(std::initializer_list<const ui::Label*> labels) {
  float left = 0, top = 0, right = 0, bottom = 0;
  bool any = false;
  for (const ui::Label* l : labels) {
    if (!l->visible()) continue;
    left = any ? std::min(left, l->left()) : l->left();
    top = any ? std::min(top, l->top()) : l->top();
    right = std::max(any ? right : 0.0f, l->left() + l->width());
    bottom = std::max(any ? bottom : 0.0f, l->top() + l->height());
    any = true;
  }
  return any ? ui::Area{left, top, right - left, bottom - top} : ui::Area{};
}

void addTarget(ui::Table& table, const ui::Area& area, char32_t key) {
  if (area.width > 0 && area.height > 0) table.targets.push_back({area, key});
}

}  // namespace

void Brivazon::describeTargets(ui::Table& table) const {
  FrmGame& g = *frmGame_;
  // Where a key would go to a box or to another window, a tap stands for none of the game's.
  if (runtime_.front() != frmGame_.get() || runtime_.keyboardBox()) return;
  if (g.phaseIs(phase::kPlayerCount)) {
    const std::array<const ui::Label*, 3> badges{&g.lbl1P, &g.lbl2P, &g.lbl3P};
    for (std::size_t i = 0; i < badges.size(); ++i)
      addTarget(table, around({badges[i]}), static_cast<char32_t>('1' + i));
  } else if (g.phaseIs(phase::kChooseTopic)) {
    addTarget(table, around({&g.lbl1, &g.lblTopic1}), '1');
    addTarget(table, around({&g.lbl2, &g.lblTopic2}), '2');
    addTarget(table, around({&g.lbl3, &g.lblTopic3}), '3');
  } else if (g.phaseIs(phase::kAnswer)) {
    addTarget(table, around({&g.lbl1, &g.lblChoice1}), '1');
    addTarget(table, around({&g.lbl2, &g.lblChoice2}), '2');
    addTarget(table, around({&g.lbl3, &g.lblChoice3}), '3');
    addTarget(table, around({&g.lbl4, &g.lblChoice4}), '4');
  } else if (g.phaseIs(phase::kQuestion)) {
    // The band below the choices, as the screen is laid out, shared among the seats whose
    // keys act: those in play, and in the final round all three.
    float bandTop = 0;
    for (const ui::Label* l : g.choiceLabels())
      bandTop = std::max(bandTop, l->layout().top + l->layout().height);
    const float width = ui::kScreenWidth * ui::kTwipsPerPixel;
    const float bottom = ui::kScreenHeight * ui::kTwipsPerPixel;
    std::vector<char32_t> keys;
    for (const SeatKey& k : kSeatKeys)
      if (g.finalRound() ||
          k.inPlay[static_cast<std::size_t>(std::clamp<int>(g.playerCount, 0, 3))])
        keys.push_back(static_cast<char32_t>(k.key));
    const float share = keys.empty() ? 0 : width / static_cast<float>(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
      table.zones.push_back(
          {{share * static_cast<float>(i), bandTop, share, bottom - bandTop}, keys[i]});
  }
}

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
  describeTargets(table);
  return table;
}

}  // namespace game
