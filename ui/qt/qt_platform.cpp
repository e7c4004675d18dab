// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt surface of the shell: the real clock and its one timer, a view for each window, the
// keyboard focus, what a screen reader and the gamepads hear of the table, the bell and
// program end.
#include "ui/qt/qt_platform.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <climits>
#include <random>

#include "ui/element.h"
#include "ui/form.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/fonts.h"
#include "ui/qt/qstring.h"

namespace ui::qt {

QtPlatform::QtPlatform()
    : Shell(static_cast<Surface&>(*this)),
      window_(makeGameWindow(*this)),
      inputGuard_(makeInputGuard(*this)),
      destroyWatch_(makeDestroyWatch(*this)) {
  registerFonts();
  installAccessibility();
  QCoreApplication::instance()->installEventFilter(inputGuard_.get());
  QCoreApplication::instance()->installNativeEventFilter(destroyWatch_.get());
  dispatcher_.setSingleShot(true);
  // Coarse timers may be 5% off; every game timer keeps its own fixed-rate schedule.
  dispatcher_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&dispatcher_, &QTimer::timeout, [this] { enter([] {}); });
  gamepads_ = std::make_unique<Gamepads>([this](Key key) { padPressed(key); });
  // Fingers come as touches, each of its own, rather than as the first finger's mouse.
  window_->setAttribute(Qt::WA_AcceptTouchEvents);
}

QtPlatform::~QtPlatform() {
  gamepads_.reset();
  QCoreApplication::instance()->removeEventFilter(inputGuard_.get());
  QCoreApplication::instance()->removeNativeEventFilter(destroyWatch_.get());
  dispatcher_.stop();
  // The game's windows may already be gone: the views must not look at them any more.
  for (auto& [form, view] : views_)
    view->detach();
}

void QtPlatform::attach(Runtime& runtime) {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  runtime.random().seed(std::random_device{}() ^ static_cast<std::uint32_t>(ticks));
  window_->setWindowTitle(toQString(runtime.appTitle()));
  clock_.start();
  Shell::attach(runtime);
}

std::int64_t QtPlatform::clock() {
  return clock_.elapsed();
}

void QtPlatform::armTimer(std::optional<std::int64_t> due) {
  armedFor_ = due;
  if (!due) {
    dispatcher_.stop();
    return;
  }
  const std::int64_t wait = std::clamp<std::int64_t>(*due - clock_.elapsed(), 0, INT_MAX);
  dispatcher_.start(static_cast<int>(wait));
}

std::optional<std::int64_t> QtPlatform::armedFor() const {
  return dispatcher_.isActive() ? armedFor_ : std::nullopt;
}

FormView* QtPlatform::viewOf(const Form& form) const {
  for (const auto& [f, view] : views_)
    if (f == &form) return view;
  return nullptr;
}

void QtPlatform::createWindow(Form& form) {
  auto* view = new FormView(this, form, window_.get());
  view->hide();
  views_.emplace_back(&form, view);
  layoutViews();
}

void QtPlatform::destroyWindow(Form& form) {
  auto it = std::find_if(views_.begin(), views_.end(),
                         [&](const auto& entry) { return entry.first == &form; });
  if (it == views_.end()) return;
  FormView* view = it->second;
  views_.erase(it);
  view->detach();
  view->hide();
  // The view may be the one whose key press led here.
  view->deleteLater();
}

void QtPlatform::bringToFront(Form& form, Form* before) {
  FormView* view = viewOf(form);
  if (!view) return;
  // The new picture goes up before the old comes down; nothing paints in between.
  view->show();
  view->raise();
  if (FormView* old = before ? viewOf(*before) : nullptr) old->hide();
}

void QtPlatform::updateWindow(Form& form) {
  if (FormView* view = viewOf(form)) view->update();
}

void QtPlatform::updateElement(Element& element, Property p) {
  if (FormView* view = viewOf(element.form())) view->elementChanged(element, p);
}

void QtPlatform::giveKeyboard(const KeyboardTarget& target) {
  QWidget* widget = nullptr;
  if (target.messageBox) {
    widget = boxes_.empty() ? nullptr : boxes_.back()->okButton();
  } else if (target.textBox) {
    FormView* view = viewOf(target.textBox->form());
    widget = view ? view->lineEditOf(*target.textBox) : nullptr;
  } else if (target.window) {
    widget = viewOf(*target.window);
  }
  if (widget && window_->focusWidget() != widget) widget->setFocus(Qt::OtherFocusReason);
}

void QtPlatform::nameBox(TextBox& box, const std::string& name) {
  FormView* view = viewOf(box.form());
  QLineEdit* edit = view ? view->lineEditOf(box) : nullptr;
  if (edit && edit->accessibleName() != toQString(name)) edit->setAccessibleName(toQString(name));
}

void QtPlatform::tableChanged(const Table& now, const Table& before) {
  // The window's accessible name says which screen is up; setting it tells a screen reader.
  if (now.screen != before.screen) window_->setAccessibleName(toQString(now.screen));
  gamepads_->follow(now);
}

void QtPlatform::announce(const Announcement& announcement) {
  ui::qt::announce(*window_, announcement);
}

void QtPlatform::beep() {
  sound_.bell();
}

float QtPlatform::measureText(const Label& label, std::string_view text) {
  return captionWidth(label.layout().font, text);
}

void QtPlatform::programEnding() {
  dispatcher_.stop();
  armedFor_.reset();
  for (auto it = boxes_.rbegin(); it != boxes_.rend(); ++it)
    (*it)->done(0);
  window_->close();
  window_->hide();
  // Leaves the nested loops of the boxes too.
  QCoreApplication::exit(0);
}

}  // namespace ui::qt
