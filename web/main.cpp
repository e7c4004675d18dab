// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in the browser: the page's backend, the game started on it, and its loop run until
// the game ends.
#include "game/brivazon.h"
#include "ui/web/web_platform.h"

int main() {
  static ui::web::WebRuntime web;
  static game::Brivazon game(web.runtime());
  web.platform().enter([] { game.start(); });
  web.platform().run();
  return 0;
}
