// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's description of the table for the backends: the seats in play with their buzz keys,
// players and score labels, the name of the screen showing, the texts in view in the order
// and the words a screen reader gives them, each voiced as a blind player needs to follow the
// game (the typed answer's verdict and a final-round buzz show only in colour otherwise), and
// the places on screen that stand for keys now.
#include <algorithm>
#include <initializer_list>
#include <string>

#include "game/brivazon.h"
#include "game/frm_game.h"
#include "game/inventory.h"
#include "ui/announcer.h"

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

// Adds `element` to what is read, in `words`, if a player sees it.
void say(ui::Table& table, const ui::Element* element, std::string words, ui::Voice voice) {
  if (element && ui::onScreen(*element)) table.spoken.push_back({element, std::move(words), voice});
}

void say(ui::Table& table, const ui::Label& label, ui::Voice voice) {
  say(table, &label, label.caption(), voice);
}

// A title card: its line, or its heading with what follows it ("Question 3", "Rond 1").
void describeCard(ui::Table& table, const ui::Form& card) {
  const ui::Element* welcome = card.find("lblWelcome");
  const auto* heading = dynamic_cast<const ui::Label*>(card.find("lblQLabel"));
  const auto* number = dynamic_cast<const ui::Label*>(card.find("lblQNumber"));
  if (welcome) say(table, *static_cast<const ui::Label*>(welcome), ui::Voice::Changed);
  if (heading && number && ui::onScreen(*heading))
    say(table, heading, heading->caption() + " " + number->caption(), ui::Voice::Changed);
}

// The game window, from the top of the screen down, as a player reads it.
void describeGame(ui::Table& table, FrmGame& g) {
  using ui::Voice;
  say(table, g.lblPNumber, Voice::Changed);
  for (const ui::Label* badge : {&g.lbl1P, &g.lbl2P, &g.lbl3P})
    say(table, *badge, Voice::Read);
  // The prompts are read as the name box's own name when it takes the keyboard.
  for (const ui::Label* prompt : {&g.lblName1, &g.lblName2, &g.lblName3}) {
    say(table, *prompt, Voice::Read);
    if (ui::onScreen(*prompt)) table.boxName = prompt->caption();
  }
  if (ui::onScreen(g.lblRound))
    say(table, &g.lblRound, g.lblRound.caption() + " " + g.lblQNumber.caption(), Voice::Read);
  if (g.txtGAnswer.visible() && g.txtGAnswer.enabled()) table.boxName = g.lblAPlayer.caption();
  // The prompt and the topics once the third topic is loaded, a tick after the others, so that
  // they are said together.
  if (!g.phaseIs(phase::kNextTopic)) {
    say(table, g.lblAPlayer, Voice::Changed);
    const std::array<const ui::Label*, 3> topics{&g.lblTopic1, &g.lblTopic2, &g.lblTopic3};
    const std::array<const ui::Label*, 3> keys{&g.lbl1, &g.lbl2, &g.lbl3};
    for (std::size_t k = 0; k < topics.size(); ++k)
      say(table, topics[k], keys[k]->caption() + " " + topics[k]->caption(), Voice::Changed);
  }
  // The question, with what it is worth when it appears (not each second a gibberish one
  // drains), then the choices with their keys.
  say(table, g.lblQuestion, Voice::Changed);
  if (ui::onScreen(g.lblFor))
    say(table, &g.lblValue, g.lblFor.caption() + " " + g.lblValue.caption(), Voice::Shown);
  const auto choices = g.choiceLabels();
  const std::array<const ui::Label*, 4> numbers{&g.lbl1, &g.lbl2, &g.lbl3, &g.lbl4};
  for (std::size_t k = 0; k < choices.size(); ++k)
    if (ui::onScreen(*numbers[k]))
      say(table, choices[k], numbers[k]->caption() + " " + choices[k]->caption(), Voice::Changed);
  for (const ui::Label* clue : {&g.lblClue1, &g.lblClue2, &g.lblClue3})
    say(table, *clue, Voice::Changed);
  // The typed answer once judged, or the phrase revealed when nobody found it.
  if (!g.txtGAnswer.enabled()) {
    const auto verdict = g.txtGAnswer.backColor();
    std::string words = verdict == kGreen
                            ? std::string(FrmGame::kRightVerdict) + " " + g.txtGAnswer.text()
                        : verdict == kRed ? std::string(FrmGame::kWrongVerdict)
                                          : g.txtGAnswer.text();
    say(table, &g.txtGAnswer, std::move(words), Voice::Changed);
  }
  say(table, g.lblTimer, Voice::Read);
  // The final round: the English word to catch, and each French word as it flashes.
  say(table, g.lblBrivazon, Voice::Urgent);
  for (const ui::Label* word : g.wordLabels())
    say(table, *word, Voice::Urgent);
  // The scores, each named by its player.
  for (const ui::Seat& seat : table.seats)
    if (seat.score && !seat.player.empty())
      say(table, seat.score, seat.player + ": " + seat.score->caption(), Voice::Kept);
}

}  // namespace

void Brivazon::describeTargets(ui::Table& table) const {
  FrmGame& g = *frmGame_;
  table.phase = &g.lblCheckpoint;
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
    describeCard(table, *frmBlack_);
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
  if (runtime_.front() == &g) describeGame(table, g);
  return table;
}

}  // namespace game
