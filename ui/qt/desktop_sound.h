// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The warning sound as the desktop plays it.
//
// The sound theme's "bell" event goes through the desktop's event-sound library, so the player
// hears the same warning as every other program on the desktop, at the desktop's event volume.
// Where that cannot play (no sound server or card, no sound theme, the library refusing), the
// toolkit's own beep is the fallback. Nothing here blocks or prints: a machine with no sound
// device plays nothing and the game goes on.
#pragma once

#include <string>

struct ca_context;

namespace ui::qt {

class DesktopSound {
 public:
  enum class Outcome { Played, Fallback };

  // `driver` names the event-sound library's output to use; empty lets the library choose.
  explicit DesktopSound(std::string driver = {});
  ~DesktopSound();
  DesktopSound(const DesktopSound&) = delete;
  DesktopSound& operator=(const DesktopSound&) = delete;

  // Plays the warning sound once; says which way it went.
  Outcome bell();

 private:
  bool open();

  std::string driver_;
  ca_context* context_ = nullptr;
  bool unavailable_ = false;  // opening failed once: every later bell falls back at once
};

// Whether this machine seems to have somewhere to play sound: a sound server's socket or a
// sound card. Without either the library would only print its failures.
bool soundOutputLikely();

}  // namespace ui::qt
