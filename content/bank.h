// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The question bank: every question, gibberish phrase and final-round word the game knows.
//
// The game reads no content files; its whole content is these constant tables, texts exactly
// as the show uses them (UTF-8, accents, blanks and punctuation included).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace content {

struct RegularQuestion {
  std::int16_t key;
  std::string_view topic;
  std::string_view question;
  std::array<std::string_view, 4> choices;
  std::string_view right;  // number of the right choice, "1".."4"
  std::int16_t value;
};

// A scrambled sentence that sounds like a line of the book; the players type the line.
struct GibberishQuestion {
  std::int16_t key;
  std::string_view topic;
  std::string_view sentence;
  std::array<std::string_view, 4> accepted;  // the typed forms judged right
  std::string_view answer;                   // the line as shown when revealed
  std::array<std::string_view, 3> clues;
  std::int16_t value;
};

struct FinalCategory {
  std::string_view title;
  std::int16_t value;
  std::array<std::string_view, 9> french;   // word n stands in the n-th word label
  std::array<std::string_view, 9> english;  // word n's match, shown in capitals
};

std::span<const RegularQuestion> regularQuestions();
std::span<const GibberishQuestion> gibberishQuestions();
std::span<const FinalCategory> finalCategories();

// The record with this key, or none: keys 1..36 are regular, 1001..1006 gibberish.
const RegularQuestion* findRegular(int key);
const GibberishQuestion* findGibberish(int key);
// Category 1..3, or none.
const FinalCategory* findCategory(int number);

}  // namespace content
