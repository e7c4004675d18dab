// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A window-level variable's change, reported like a property change.
#include "ui/variable.h"

#include "ui/form.h"
#include "ui/runtime.h"

namespace ui {

void Variable::changed() {
  form_.runtime().touch();
}

}  // namespace ui
