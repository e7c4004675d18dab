// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The score colour flash: one tick after a score changed colour, all three score boxes return to
// their resting colour, whichever was painted.
#include "game/frm_game.h"

namespace game {

void FrmGame::tmrMonColor_Timer() {
  lblQ.setBackColor(kScoreRest);
  lblB.setBackColor(kScoreRest);
  lblP.setBackColor(kScoreRest);
  tmrMonColor.setEnabled(false);
}

}  // namespace game
