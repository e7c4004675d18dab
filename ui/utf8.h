// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// UTF-8, the encoding of every text of the game: captions, typed text, scenario lines.
//
// Written once here for the windowing layer and every backend. Decoding is lenient: a byte that
// does not start a well-formed sequence stands for itself, so no text is ever refused.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ui::utf8 {

void append(std::string& text, char32_t codePoint);
std::vector<char32_t> decode(std::string_view text);
std::size_t count(std::string_view text);
// Where the last code point of a non-empty text starts.
std::size_t lastStart(std::string_view text);

}  // namespace ui::utf8
