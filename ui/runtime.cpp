// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keyboard routing, event entry points, services and program end.
#include "ui/runtime.h"

#include <algorithm>

#include "ui/element.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace ui {

Runtime::Runtime(Platform& platform) : platform_(platform), scheduler_(*this) {}

Runtime::~Runtime() {
  retired_.clear();
}

Runtime::EventScope::EventScope(Runtime& rt, bool touch) : rt_(rt), touch_(touch) {
  ++rt_.depth_;
  if (touch_) rt_.touch();
}

Runtime::EventScope::~EventScope() {
  if (touch_) rt_.touch();
  if (--rt_.depth_ == 0) rt_.retired_.clear();
}

int Runtime::messageBox(std::string_view text) {
  return messageBox(text, appTitle_);
}

int Runtime::messageBox(std::string_view text, std::string_view title) {
  if (ending_) throw ProgramEnd{};
  platform_.messageBox(text, title);
  // The program may have ended while the box was open (a timer's handler, the close button).
  if (ending_) throw ProgramEnd{};
  return 1;
}

void Runtime::beep() {
  if (!ending_) platform_.beep();
}

void Runtime::quit() {
  if (!ending_) {
    ending_ = true;
    platform_.programEnding();
  }
  throw ProgramEnd{};
}

float Runtime::measureText(const Label& label, std::string_view text) {
  return platform_.measureText(label, text);
}

void Runtime::formConstructed(Form& form) {
  forms_.push_back(&form);
}

void Runtime::formDestructed(Form& form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
}

void Runtime::load(Form& form) {
  EventScope scope(*this);
  platform_.formCreated(form);
  form.Form_Load();
}

void Runtime::unload(Form& form) {
  form.Form_Unload();
  for (Timer* t : form.timers())
    if (t) scheduler_.remove(*t);
  // Unloading takes the window off the screen without a separate hide notice.
  form.markUnloaded();
  touch();
  platform_.formDestroyed(form);
}

void Runtime::retire(std::unique_ptr<Form> form) {
  if (depth_ == 0) return;  // destroyed right here, as no handler can still be using it
  retired_.push_back(std::move(form));
}

Form* Runtime::front() const {
  Form* best = nullptr;
  for (Form* f : forms_)
    if (f->visible() && !f->unloaded() && (!best || f->shownStamp() > best->shownStamp())) best = f;
  return best;
}

TextBox* Runtime::keyboardBox() const {
  Form* f = front();
  if (!f) return nullptr;
  TextBox* best = nullptr;
  for (Element* e : f->elements()) {
    auto* box = dynamic_cast<TextBox*>(e);
    if (box && box->visible() && box->enabled() &&
        (!best || box->shownStamp() > best->shownStamp()))
      best = box;
  }
  return best;
}

TextBox* Runtime::routeKey(int keyAscii, int keyCode, int shift) {
  if (ending_) return nullptr;
  Form* form = front();
  if (!form) return nullptr;  // no window is shown: the key is lost
  TextBox* box = keyboardBox();
  if (!box) {
    if (keyAscii >= 0) windowKeyPress(*form, keyAscii);
    return nullptr;
  }
  textBoxKeyDown(*box, keyCode, shift);
  if (keyCode == kKeyEnter || keyCode == kKeyEscape || ending_ || keyboardBox() != box)
    return nullptr;
  return box;
}

void Runtime::keyPress(Key key) {
  if (TextBox* box = routeKey(key.keyAscii(), key.keyCode(), 0)) typeInto(*box, key);
}

void Runtime::typeInto(TextBox& box, Key key) {
  if (ending_) return;
  EventScope scope(*this);
  if (key.kind == Key::Kind::Char) box.typeChar(key.ch);
  if (key.kind == Key::Kind::Backspace) box.backspace();
}

void Runtime::windowKeyPress(Form& form, int keyAscii) {
  if (ending_) return;
  EventScope scope(*this);
  form.Form_KeyPress(keyAscii);
}

void Runtime::textBoxKeyDown(TextBox& box, int keyCode, int shift) {
  if (ending_) return;
  EventScope scope(*this);
  if (box.keyDownHandler()) box.keyDownHandler()(keyCode, shift);
}

void Runtime::closeWindow(Form& form) {
  if (ending_) return;
  EventScope scope(*this);
  form.Form_Unload();
}

void Runtime::elementChanged(Element& element, Property p) {
  touch();
  platform_.elementChanged(element, p);
}

void Runtime::formChanged(Form& form) {
  touch();
  platform_.formChanged(form);
}

void Runtime::formVisibilityChanged(Form& form) {
  touch();
  if (form.visible())
    platform_.formShown(form);
  else
    platform_.formHidden(form);
}

}  // namespace ui
