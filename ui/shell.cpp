// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Event entry, the window in front, message boxes, the keyboard and the table, for every
// interactive backend.
#include "ui/shell.h"

#include "ui/element.h"
#include "ui/form.h"
#include "ui/gamepad.h"

namespace ui {

PixelRect toPixels(const Area& a) {
  return {a.left / kTwipsPerPixel, a.top / kTwipsPerPixel, a.width / kTwipsPerPixel,
          a.height / kTwipsPerPixel};
}

PixelRect pixelRect(const Element& e) {
  return toPixels({e.left(), e.top(), e.width(), e.height()});
}

PixelRect boxArea(const FormLayout& layout) {
  const Area& a = layout.messageArea;
  if (a.width > 0 && a.height > 0) return toPixels(a);
  // Three quarters of the scene's width and a third of its height, centred.
  constexpr double kWidth = kScreenWidth * 0.75, kHeight = kScreenHeight / 3.0;
  return {(kScreenWidth - kWidth) / 2, (kScreenHeight - kHeight) / 2, kWidth, kHeight};
}

void Shell::attach(Runtime& runtime) {
  runtime_ = &runtime;
  runtime.scheduler().setMaxLag(kMaxLagMs);
  runtime.setNow(surface_.clock());
}

void Shell::catchUpClock(bool move) {
  // Read even when the clock stays: reading it takes in what a test fixed up to now.
  const std::int64_t t = surface_.clock();
  if (!move) return;
  if (t > runtime_->now()) runtime_->setNow(t);
  runtime_->advanceTo(t);
}

void Shell::endEntry() {
  --depth_;
  if (ending()) return;
  arm();
  // The box that takes the keyboard is named before it has it, so that it is read by its name.
  followTable();
  settleKeyboard();
}

void Shell::arm() {
  surface_.armTimer(ending() ? std::nullopt : runtime_->scheduler().nextDue());
}

void Shell::timersChanged() {
  // Inside an event the entry arms the timer once it is over (and a box before it waits).
  if (depth_ == 0) arm();
}

void Shell::followTable() {
  // Only a change of state can change the table: ticks that changed nothing cost nothing here.
  if (ending() || runtime_->version() == tableVersion_) return;
  tableVersion_ = runtime_->version();
  Table table = runtime_->table();
  // The box may take the keyboard after its prompt came: named whenever it has the keyboard.
  if (TextBox* box = runtime_->keyboardBox()) surface_.nameBox(*box, table.boxName);
  if (table == table_) return;
  surface_.tableChanged(table, table_);
  for (const Announcement& a : announcer_.update(table))
    surface_.announce(a);
  table_ = std::move(table);
}

KeyboardTarget Shell::keyboardTarget() const {
  if (ending()) return {};
  if (boxOpen()) return {.messageBox = true};
  if (TextBox* box = runtime_->keyboardBox()) return {.textBox = box};
  return {.window = runtime_->front()};
}

void Shell::settleKeyboard() {
  if (!ending()) surface_.giveKeyboard(keyboardTarget());
}

void Shell::showFront() {
  if (ending()) return;
  Form* front = runtime_->front();
  // With no window in front (for the instant between a hide and a show) the picture stays.
  if (!front || front == displayed_) return;
  Form* before = displayed_;
  displayed_ = front;
  surface_.bringToFront(*front, before);
  // An open box stays over the picture, where the new window gives it its place.
  if (boxOpen()) surface_.placeBoxes(boxPlace());
}

PixelRect Shell::boxPlace() const {
  const Form* over = ending() ? nullptr : runtime_->front();
  if (!over && runtime_ && !runtime_->forms().empty()) over = runtime_->forms().front();
  return boxArea(over ? over->layout() : FormLayout{});
}

Shell::Typing Shell::routeKey(const TextBox* origin, int keyAscii, int keyCode, int shift) {
  TextBox* box = runtime_->routeKey(keyAscii, keyCode, shift);
  return {box, box && box != origin};
}

void Shell::padPressed(Key key) {
  if (ending()) return;
  if (boxOpen()) {
    if (padClosesBox(key)) surface_.pressOk();
    return;
  }
  enter([&] { padKeyPress(*runtime_, key); });
}

void Shell::messageBox(std::string_view text, std::string_view title) {
  // What the handler changed before its box (who lost what) is said before the box is read.
  followTable();
  surface_.openBox(title, text, boxPlace());
  answered_.push_back(false);
  const std::size_t mine = answered_.size() - 1;
  settleKeyboard();
  // The handler that opened the box waits in it, maybe for minutes; every other timer must keep
  // its schedule meanwhile (the waiting one is held back by the scheduler).
  arm();
  while (!ending() && !answered_[mine])
    surface_.waitForAnswer();
  answered_.pop_back();
  surface_.closeBox();
  if (ending()) return;
  const std::int64_t t = surface_.clock();
  if (t > runtime_->now()) runtime_->setNow(t);
}

void Shell::formCreated(Form& form) {
  surface_.createWindow(form);
  if (!first_) first_ = &form;
}

void Shell::formDestroyed(Form& form) {
  surface_.destroyWindow(form);
  if (displayed_ == &form) displayed_ = nullptr;
  if (first_ == &form) first_ = nullptr;
  frontChanged();
}

void Shell::elementChanged(Element& element, Property p) {
  surface_.updateElement(element, p);
  if (element.layout().kind == Kind::TextBox && (p == Property::Visible || p == Property::Enabled))
    settleKeyboard();
}

}  // namespace ui
