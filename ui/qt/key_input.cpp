// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keys and edits from the window's views and line edits, routed through the shell; a key that
// reached another widget before the keyboard moved to a box is typed there.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "ui/element.h"
#include "ui/form.h"
#include "ui/qt/keys.h"
#include "ui/qt/qt_platform.h"

namespace ui::qt {

bool QtPlatform::routeKey(const QKeyEvent& event, const TextBox* origin) {
  // A key handed on below to the box that has the keyboard: the line edit types it.
  if (forwarding_) return false;
  // Shift and its kind type nothing and have no code of the game's; the line edit may see them.
  if (isModifierOnly(event)) return false;
  bool used = true;
  QLineEdit* forwardTo = nullptr;
  enter([&] {
    const Typing typing = Shell::routeKey(origin, windowKeyCode(event), textBoxKeyCode(event),
                                          shiftState(event.modifiers()));
    if (!typing.box) return;
    // The box's own line edit types the key; one that reached elsewhere is handed on to it.
    used = typing.elsewhere;
    FormView* view = typing.elsewhere ? viewOf(typing.box->form()) : nullptr;
    forwardTo = view ? view->lineEditOf(*typing.box) : nullptr;
  });
  if (forwardTo && !ending()) {
    QKeyEvent copy(event.type(), event.key(), event.modifiers(), event.text(), event.isAutoRepeat(),
                   static_cast<quint16>(event.count()));
    forwarding_ = true;
    QCoreApplication::sendEvent(forwardTo, &copy);
    forwarding_ = false;
  }
  return used;
}

void QtPlatform::textEdited(TextBox& box, std::string_view text) {
  if (ending()) return;
  box.setText(text);
  // The edit is a change of state: polling timers proved idle must look again.
  timersChanged();
}

}  // namespace ui::qt
