// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The services a backend gives the windowing layer, and the notices it receives from it.
//
// The game never talks to a toolkit. It asks the runtime for a message box, a beep, a random
// number, a text measure or the program's end, and the runtime forwards those to the one
// Platform in use: the Qt backend for play, the headless backend for tests and the scenario
// runner. The notices let a backend repaint what changed, swap the window in front and record
// a transcript.
#pragma once

#include <string_view>

namespace ui {

class Element;
class Form;
class Label;
class TextBox;

enum class Property : unsigned char {
  Caption,
  Text,
  Visible,
  Geometry,
  BackColor,
  ForeColor,
  Enabled
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Modal for the whole application; returns once the player has pressed OK. While it waits,
  // other timers keep firing. May throw ProgramEnd when the program ends meanwhile.
  virtual void messageBox(std::string_view text, std::string_view title) = 0;
  // The desktop's warning sound; quiet where there is no sound device.
  virtual void beep() = 0;
  // Width in twips that an auto-size label needs for a caption.
  virtual float measureText(const Label& label, std::string_view text) = 0;
  // The program is ending: close every window and message box. Must not throw.
  virtual void programEnding() = 0;

  virtual void formCreated(Form&) {}
  virtual void formDestroyed(Form&) {}
  virtual void formShown(Form&) {}
  virtual void formHidden(Form&) {}
  virtual void formChanged(Form&) {}  // the window's own back colour changed
  virtual void elementChanged(Element&, Property) {}
  // A timer was enabled, disabled or re-armed: the next due time may have moved.
  virtual void timersChanged() {}
};

}  // namespace ui
