// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real clock, the one window and its full screen, message boxes, keyboard routing, the bell
// and program end on Qt.
#include "ui/qt/qt_platform.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <random>

#include "ui/element.h"
#include "ui/form.h"
#include "ui/gamepad.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/fonts.h"
#include "ui/qt/form_view.h"
#include "ui/qt/keys.h"
#include "ui/qt/qstring.h"

namespace ui::qt {

namespace {

// The one top-level window; its close button asks the game, which may refuse. Whatever its size,
// the scene is laid out to fit it.
class GameWindow final : public QWidget {
 public:
  explicit GameWindow(QtPlatform& platform) : platform_(platform) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    // The window grows as the player likes and never below the layout's own size, at which
    // every caption is fitted to stay legible. The limit never changes, so no size limit can
    // reach a compositor while it is still answering a change of state.
    setMinimumSize(QtPlatform::kWidth, QtPlatform::kHeight);
    resize(QtPlatform::kWidth, QtPlatform::kHeight);
    setFocusPolicy(Qt::NoFocus);
    // Behind the views only for the instant between one window hiding and the next showing.
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (platform_.closeRequested())
      event->accept();
    else
      event->ignore();
  }
  void resizeEvent(QResizeEvent*) override { platform_.windowResized(); }

 private:
  QtPlatform& platform_;
};

// Sees every event of the application before its receiver does.
class InputGuard final : public QObject {
 public:
  explicit InputGuard(QtPlatform& platform) : platform_(platform) {}

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    return platform_.filterEvent(target, event);
  }

 private:
  QtPlatform& platform_;
};

// What a player does with the keyboard or the mouse, as opposed to what the window system tells.
bool isInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}

// On X11, hears of the game's window being destroyed. The window system destroys a window when
// any program asks it to (a task manager, a script), and Qt goes on as if it were still there.
class DestroyWatch final : public QAbstractNativeEventFilter {
 public:
  explicit DestroyWatch(QtPlatform& platform) : platform_(platform) {}

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY) return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    const QWidget* window = platform_.window();
    if (window->testAttribute(Qt::WA_WState_Created) && destroyed->window == window->winId())
      platform_.windowDestroyed();
    return false;
  }

 private:
  QtPlatform& platform_;
};

// The keys that close a message box, as its OK button.
bool closesBox(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
      return true;
    default:
      return false;
  }
}

bool isMouse(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick;
}

}  // namespace

QtPlatform::QtPlatform()
    : window_(std::make_unique<GameWindow>(*this)),
      inputGuard_(std::make_unique<InputGuard>(*this)),
      destroyWatch_(std::make_unique<DestroyWatch>(*this)) {
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
  runtime_ = &runtime;
  runtime.scheduler().setMaxLag(kMaxLagMs);
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  runtime.random().seed(std::random_device{}() ^ static_cast<std::uint32_t>(ticks));
  window_->setWindowTitle(toQString(runtime.appTitle()));
  clock_.start();
  runtime.setNow(0);
}

QWidget* QtPlatform::window() const {
  return window_.get();
}

void QtPlatform::showWindow() {
  if (ending()) return;
  window_->setWindowTitle(toQString(runtime_->appTitle()));
  if (QScreen* screen = window_->screen()) {
    const QRect area = screen->availableGeometry();
    window_->move(area.center() - QPoint(kWidth / 2, kHeight / 2));
  }
  showFront();
  window_->show();
  settleFocus();
}

void QtPlatform::setFullScreen(bool on) {
  if (on == fullScreen_ || ending()) return;
  fullScreen_ = on;
  // Full screen is added to the window's state and taken from it again, a maximised window
  // staying maximised underneath: one request each way, the one a compositor answers with the
  // right size. Asking to maximise and to leave full screen at once gets a Wayland compositor's
  // answer with no size, and the window stays as large as the screen. Leaving full screen, the
  // window system puts the window back where it stood: a window that placed itself would be
  // misplaced when the window manager later restores it from maximised, and a Wayland
  // compositor does not let a window place itself at all.
  Qt::WindowStates state = window_->windowState() & ~Qt::WindowMinimized;
  if (on) {
    if (!window_->isFullScreen()) maximizedBefore_ = window_->isMaximized();
    // The game is played on the keyboard alone.
    window_->setCursor(Qt::BlankCursor);
    state |= Qt::WindowFullScreen;
  } else {
    state &= ~Qt::WindowFullScreen;
    // A window manager may drop the maximised state while the window is full screen.
    if (maximizedBefore_) state |= Qt::WindowMaximized;
    window_->unsetCursor();
  }
  if (state != window_->windowState()) window_->setWindowState(state);
  layoutViews();
  settleFocus();
}

void QtPlatform::windowResized() {
  layoutViews();
}

// Whatever size the window has, the scene fits it: a window manager that answers late, or takes
// the window out of full screen by itself, never leaves the scene cut off or misplaced.
qreal QtPlatform::sceneScale() const {
  return std::min(window_->width() / qreal(kWidth), window_->height() / qreal(kHeight));
}

QRect QtPlatform::sceneRect() const {
  const qreal scale = sceneScale();
  const QSize size(qRound(kWidth * scale), qRound(kHeight * scale));
  return QRect(
      QPoint((window_->width() - size.width()) / 2, (window_->height() - size.height()) / 2), size);
}

void QtPlatform::layoutViews() {
  const QRect scene = sceneRect();
  const qreal scale = sceneScale();
  for (auto& [form, view] : views_) {
    if (view->scale() != scale) view->setScale(scale);
    view->move(scene.topLeft());
  }
  placeBoxes();
}

void QtPlatform::placeBoxes() {
  Form* front = ending() ? nullptr : runtime_->front();
  const FormLayout* layout = front ? &front->layout() : (first_ ? &first_->layout() : nullptr);
  if (!layout) return;
  const QRectF area = messageArea(*layout);
  for (MessagePanel* box : boxes_) {
    box->place(area, sceneRect().topLeft(), sceneScale());
    box->raise();
  }
}

bool QtPlatform::beginEntry() {
  if (ending()) return false;
  ++entryDepth_;
  return true;
}

void QtPlatform::catchUp() {
  const std::int64_t t = clock_.elapsed();
  runtime_->setNow(t);
  runtime_->advanceTo(t);
}

void QtPlatform::endEntry() {
  --entryDepth_;
  if (ending()) return;
  arm();
  // The box that takes the keyboard is named before it has it, so that it is read by its name.
  followTable();
  settleFocus();
}

void QtPlatform::followTable() {
  // Only a change of state can change the table: ticks that changed nothing cost nothing here.
  if (runtime_->version() == tableVersion_) return;
  tableVersion_ = runtime_->version();
  Table table = runtime_->table();
  // The box may take the keyboard after its prompt came: named whenever it has the keyboard.
  if (TextBox* box = runtime_->keyboardBox()) {
    FormView* view = viewOf(box->form());
    QLineEdit* edit = view ? view->lineEditOf(*box) : nullptr;
    if (edit && edit->accessibleName() != toQString(table.boxName))
      edit->setAccessibleName(toQString(table.boxName));
  }
  if (table == table_) return;
  // The window's accessible name says which screen is up; setting it tells a screen reader.
  if (table.screen != table_.screen) window_->setAccessibleName(toQString(table.screen));
  for (const Announcement& a : announcer_.update(table))
    announce(*window_, a);
  gamepads_->follow(table);
  table_ = std::move(table);
}

void QtPlatform::padPressed(Key key) {
  if (ending()) return;
  if (!boxes_.empty()) {
    if (padClosesBox(key)) boxes_.back()->accept();
    return;
  }
  enter([&] { padKeyPress(*runtime_, key); });
}

void QtPlatform::arm() {
  const std::optional<std::int64_t> due = ending() ? std::nullopt : runtime_->scheduler().nextDue();
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

void QtPlatform::timersChanged() {
  // Inside an event the entry re-arms once it is over (and a message box before it waits).
  if (entryDepth_ == 0) arm();
}

FormView* QtPlatform::viewOf(const Form& form) const {
  for (const auto& [f, view] : views_)
    if (f == &form) return view;
  return nullptr;
}

QWidget* QtPlatform::keyboardTarget() const {
  if (ending()) return nullptr;
  if (!boxes_.empty()) return boxes_.back()->okButton();
  if (TextBox* box = runtime_->keyboardBox()) {
    if (FormView* view = viewOf(box->form())) return view->lineEditOf(*box);
  }
  Form* front = runtime_->front();
  return front ? viewOf(*front) : nullptr;
}

void QtPlatform::showFront() {
  if (ending()) return;
  Form* front = runtime_->front();
  FormView* view = front ? viewOf(*front) : nullptr;
  // With no window in front (for the instant between a hide and a show) the picture stays.
  if (!view || view == displayed_) return;
  // The new picture goes up before the old comes down; nothing paints in between.
  view->show();
  view->raise();
  if (displayed_) displayed_->hide();
  displayed_ = view;
  // An open box stays over the picture, where the new window gives it its place.
  placeBoxes();
}

void QtPlatform::settleFocus() {
  QWidget* target = keyboardTarget();
  if (target && window_->focusWidget() != target) target->setFocus(Qt::OtherFocusReason);
}

void QtPlatform::messageBox(std::string_view text, std::string_view title) {
  // What the handler changed before its box (the right choice turned green at a reveal) goes on
  // screen now, on the tick, not after the box has been built and laid out a few ms later; and
  // is said (who lost what) before the box is read.
  followTable();
  QCoreApplication::sendPostedEvents(window_.get(), QEvent::UpdateRequest);
  // Not modal: Qt withholds the close button's request from a window that a modal dialog blocks,
  // and the player must be able to end the game at any time. The input guard keeps the keys and
  // clicks meant for the window from the game instead.
  MessagePanel box(toQString(title), toQString(text), window_.get());
  boxes_.push_back(&box);
  struct Pop {
    std::vector<MessagePanel*>& boxes;
    MessagePanel* box;
    ~Pop() { boxes.erase(std::remove(boxes.begin(), boxes.end(), box), boxes.end()); }
  } pop{boxes_, &box};
  placeBoxes();
  box.show();
  settleFocus();
  QCoreApplication::sendPostedEvents(window_.get(), QEvent::UpdateRequest);
  // The handler that opened the box waits in it, maybe for minutes; every other timer must
  // keep its schedule meanwhile (the waiting one is held back by the scheduler).
  arm();
  QEventLoop loop;
  QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
  // Program end leaves this loop too: it closes the box and exits every loop.
  loop.exec(QEventLoop::DialogExec);
  if (runtime_) runtime_->setNow(clock_.elapsed());
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

void QtPlatform::formCreated(Form& form) {
  auto* view = new FormView(this, form, window_.get());
  view->hide();
  views_.emplace_back(&form, view);
  layoutViews();
  if (!first_) first_ = &form;
}

void QtPlatform::formDestroyed(Form& form) {
  auto it = std::find_if(views_.begin(), views_.end(),
                         [&](const auto& entry) { return entry.first == &form; });
  if (it != views_.end()) {
    FormView* view = it->second;
    views_.erase(it);
    view->detach();
    view->hide();
    // The view may be the one whose key press led here.
    view->deleteLater();
    if (displayed_ == view) displayed_ = nullptr;
  }
  if (first_ == &form) first_ = nullptr;
  showFront();
  settleFocus();
}

void QtPlatform::formShown(Form&) {
  showFront();
  settleFocus();
}

void QtPlatform::formHidden(Form&) {
  showFront();
  settleFocus();
}

void QtPlatform::formChanged(Form& form) {
  if (FormView* view = viewOf(form)) view->update();
}

void QtPlatform::elementChanged(Element& element, Property p) {
  if (FormView* view = viewOf(element.form())) view->elementChanged(element, p);
  if (element.layout().kind == Kind::TextBox && (p == Property::Visible || p == Property::Enabled))
    settleFocus();
}

bool QtPlatform::routeKey(const QKeyEvent& event, QLineEdit* origin) {
  // A key handed on below to the box that has the keyboard: the line edit types it.
  if (forwarding_) return false;
  // Shift and its kind type nothing and have no code of the game's; the line edit may see them.
  if (isModifierOnly(event)) return false;
  bool used = true;
  QLineEdit* forwardTo = nullptr;
  enter([&] {
    // Routed as every backend routes a key; the box that then types it is the line edit's.
    TextBox* box = runtime_->routeKey(windowKeyCode(event), textBoxKeyCode(event),
                                      shiftState(event.modifiers()));
    if (!box) return;
    FormView* view = viewOf(box->form());
    QLineEdit* edit = view ? view->lineEditOf(*box) : nullptr;
    if (edit == origin)
      used = false;
    else
      forwardTo = edit;
  });
  // The key reached another widget before the keyboard moved (a tick that fell due before it
  // showed the box): the box still types it.
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
  if (entryDepth_ == 0) arm();
}

bool QtPlatform::inWindow(const QObject* target) const {
  if (!target || !target->isWidgetType()) return false;
  return static_cast<const QWidget*>(target)->window() == window_.get();
}

bool QtPlatform::filterEvent(QObject* target, QEvent* event) {
  if (!isInput(event->type()) || !inWindow(target)) return false;
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (isFullScreenToggle(key)) {
      if (event->type() == QEvent::KeyPress && !key.isAutoRepeat()) setFullScreen(!fullScreen_);
      return true;
    }
  }
  if (filterPointer(target, event)) return true;
  if (boxes_.empty()) return false;
  // A box is open: the game hears nothing from the window. The newest box is answered first: its
  // OK button may be clicked, and Enter, Space and Escape press it.
  MessagePanel* top = boxes_.back();
  if (isMouse(event->type()) && (target == top || top->isAncestorOf(static_cast<QWidget*>(target))))
    return false;
  if (event->type() == QEvent::KeyPress) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (closesBox(key)) top->accept();
  }
  return true;
}

bool QtPlatform::closeRequested() {
  enter([&] {
    if (first_) runtime_->closeWindow(*first_);
  });
  return ending();
}

void QtPlatform::windowDestroyed() {
  enter([&] {
    if (first_) runtime_->closeWindow(*first_);
    // With no window left the game cannot go on, whatever its close handler decided.
    if (!runtime_->ending()) runtime_->quit();
  });
}

}  // namespace ui::qt
