// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the gibberish question reads a typed answer before it compares it with the accepted forms.
//
// The accepted forms are written without accents, while the phrase the game reveals has them,
// and a phone's keyboard types the typographic apostrophe: the game must not reject its own
// answer. Both the typed text and each form are folded the same way before they are compared:
// blanks at both ends dropped, typographic apostrophes made plain, accents and other combining
// marks dropped from letters (and the ligatures œ and æ written out). Case, inner blanks and
// punctuation still count, as the forms list the variants they allow.
#pragma once

#include <string>
#include <string_view>

namespace game {

std::string foldTypedAnswer(std::string_view text);

}  // namespace game
