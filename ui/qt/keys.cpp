// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Key mapping from Qt's key events to the game's character and key codes.
#include "ui/qt/keys.h"

namespace ui::qt {

namespace {

int firstCodePoint(const QString& text) {
  if (text.isEmpty()) return -1;
  const QList<uint> ucs4 = text.toUcs4();
  return ucs4.isEmpty() ? -1 : static_cast<int>(ucs4.first());
}

// The top row's digit keys, 1 to 9 then 0, by their place on the keyboard: the evdev codes 2..11
// plus the 8 that X11 and Wayland both add. The place, not the layout's character, decides: the
// French layout types "&" on the key marked 1 and needs Shift for the digit.
constexpr quint32 kTopRowOne = 10;
constexpr quint32 kTopRowZero = 19;

int topRowDigit(const QKeyEvent& event) {
#ifdef Q_OS_LINUX
  const quint32 code = event.nativeScanCode();
  if (code >= kTopRowOne && code < kTopRowZero) return '1' + static_cast<int>(code - kTopRowOne);
  if (code == kTopRowZero) return '0';
#else
  (void)event;
#endif
  return -1;
}

// Qt's key codes below this are Unicode code points; above it they name keys that type nothing.
constexpr int kFirstSpecialKey = 0x01000000;

// Escape, Enter and Backspace carry the same code to a window and to a text box; -1 otherwise.
int controlKeyCode(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Escape:
      return kKeyEscape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kKeyEnter;
    case Qt::Key_Backspace:
      return kKeyBackspace;
    default:
      return -1;
  }
}

}  // namespace

int windowKeyCode(const QKeyEvent& event) {
  if (const int control = controlKeyCode(event); control >= 0) return control;
  if ((event.modifiers() & Qt::KeypadModifier) && event.key() >= Qt::Key_0 &&
      event.key() <= Qt::Key_9)
    return '0' + (event.key() - Qt::Key_0);
  if (const int digit = topRowDigit(event); digit >= 0) return digit;
  const int code = firstCodePoint(event.text());
  // Delete types a DEL character on some systems, but raises no key press.
  if (code == 127) return -1;
  return code;
}

int textBoxKeyCode(const QKeyEvent& event) {
  if (const int control = controlKeyCode(event); control >= 0) return control;
  if (event.key() == Qt::Key_Tab) return kKeyTab;
  // Qt already reports letters as their capital's code, as the handlers expect.
  if (event.key() > 0 && event.key() < kFirstSpecialKey) return event.key();
  int code = firstCodePoint(event.text());
  if (code >= 'a' && code <= 'z') code -= 'a' - 'A';
  return code >= 0 ? code : event.key();
}

int shiftState(Qt::KeyboardModifiers modifiers) {
  int state = 0;
  if (modifiers & Qt::ShiftModifier) state |= kShiftMask;
  if (modifiers & Qt::ControlModifier) state |= kCtrlMask;
  if (modifiers & Qt::AltModifier) state |= kAltMask;
  return state;
}

bool isModifierOnly(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Mode_switch:
      return true;
    default:
      return false;
  }
}

bool isFullScreenToggle(const QKeyEvent& event) {
  if (event.key() == Qt::Key_F11) return true;
  const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
  return enter && (event.modifiers() & Qt::AltModifier);
}

}  // namespace ui::qt
