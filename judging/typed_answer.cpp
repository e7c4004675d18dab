// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The fold of a typed answer: letter by letter through a table of the Latin letters that carry
// an accent, by their code point.
#include "judging/typed_answer.h"

#include "ui/utf8.h"

namespace game {

namespace {

// The letter each code point from U+00C0 to U+017F stands for without its accent: '.' keeps the
// letter as it is (no accent to drop: ð, ø, ß, ł, ...), '*' is a ligature written out below.
constexpr std::string_view kBaseLetters =
    "AAAAAA*CEEEEIIII"
    ".NOOOOO..UUUUY.."
    "aaaaaa*ceeeeiiii"
    ".nooooo..uuuuy.y"
    "AaAaAaCcCcCcCcDd"
    "..EeEeEeEeEeGgGg"
    "GgGgHh..IiIiIiIi"
    "I...JjKk.LlLlLl."
    "...NnNnNn...OoOo"
    "Oo**RrRrRrSsSsSs"
    "SsTtTt..UuUuUuUu"
    "UuUuWwYyYZzZzZz.";
constexpr char32_t kFirstAccented = 0xC0;

// Marks that combine with the letter before them: a keyboard may type "é" as "e" and an accent.
bool combiningMark(char32_t c) {
  return (c >= 0x300 && c <= 0x36F) || (c >= 0x1AB0 && c <= 0x1AFF) ||
         (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF) ||
         (c >= 0xFE20 && c <= 0xFE2F);
}

void appendFolded(std::string& out, char32_t c) {
  switch (c) {
    case 0x2018:  // left single quotation mark
    case 0x2019:  // right single quotation mark, a phone keyboard's apostrophe
    case 0x02BC:  // modifier letter apostrophe
      out += '\'';
      return;
    case 0xC6:
      out += "AE";
      return;
    case 0xE6:
      out += "ae";
      return;
    case 0x152:
      out += "OE";
      return;
    case 0x153:
      out += "oe";
      return;
    default:
      break;
  }
  if (combiningMark(c)) return;
  if (c >= kFirstAccented && c < kFirstAccented + kBaseLetters.size()) {
    const char base = kBaseLetters[c - kFirstAccented];
    if (base != '.') {
      out += base;
      return;
    }
  }
  ui::utf8::append(out, c);
}

}  // namespace

std::string foldTypedAnswer(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : ui::utf8::decode(text))
    appendFolded(out, c);
  const auto first = out.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

}  // namespace game
