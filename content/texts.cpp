// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text the game can show, gathered from where each is written once.
#include <algorithm>
#include <cstddef>
#include <initializer_list>

#include "content/bank.h"
#include "game/inventory.h"
#include "game/texts.h"

namespace game {

std::vector<std::string_view> everyText() {
  std::vector<std::string_view> texts;
  auto add = [&texts](std::string_view text) {
    if (!text.empty() && std::find(texts.begin(), texts.end(), text) == texts.end())
      texts.push_back(text);
  };
  add(kAppTitle);
  for (const ui::FormLayout* form : {&kFrmGame, &kFrmBlack}) {
    add(form->caption);
    for (const ui::ElementLayout& e : form->elements)
      add(e.caption);
  }
  for (std::string_view text : text::kAll)
    add(text);
  for (const content::RegularQuestion& q : content::regularQuestions()) {
    for (std::string_view text : {q.topic, q.question})
      add(text);
    for (std::string_view choice : q.choices)
      add(choice);
  }
  for (const content::GibberishQuestion& q : content::gibberishQuestions()) {
    for (std::string_view text : {q.topic, q.sentence, q.answer})
      add(text);
    for (std::string_view clue : q.clues)
      add(clue);
  }
  for (const content::FinalCategory& c : content::finalCategories()) {
    add(c.title);
    for (std::size_t i = 0; i < c.french.size(); ++i) {
      add(c.french[i]);
      add(c.english[i]);
    }
  }
  return texts;
}

}  // namespace game
