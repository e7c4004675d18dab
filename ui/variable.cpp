// A window-level variable's change, reported like a property change.
#include "ui/variable.h"

#include "ui/form.h"
#include "ui/runtime.h"

namespace ui {

void Variable::changed() {
  form_.runtime().touch();
}

}  // namespace ui
