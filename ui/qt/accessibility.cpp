// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The accessible interfaces of a view and its labels, and the events of their changes.
#include "ui/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "ui/announcer.h"
#include "ui/element.h"
#include "ui/form.h"
#include "ui/layout.h"
#include "ui/platform.h"
#include "ui/qt/form_view.h"
#include "ui/runtime.h"

namespace ui::qt {

namespace {

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A label a sighted player can read.
bool shown(const Element& e) {
  return e.layout().kind == Kind::Label && onScreen(e);
}

// A leaf of a widget's accessible tree with no object of its own: no children, no focus, and
// texts the assistive technologies cannot change. It lives in the top-level window of its
// widget, whose interface is its parent.
class LeafAccessible : public QAccessibleInterface {
 public:
  explicit LeafAccessible(QWidget* parent) : parent_(parent) {}

  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent_ ? parent_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return parent_ ? QAccessible::queryAccessibleInterface(parent_.data()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}

 protected:
  QPointer<QWidget> parent_;
};

// One label of a view. It reads the label through the view, which it outlives by no more than
// the view's own interface does.
class LabelAccessible final : public LeafAccessible {
 public:
  LabelAccessible(FormView* view, int index) : LeafAccessible(view), view_(view), index_(index) {}

  bool isValid() const override { return label() != nullptr; }
  QAccessible::Role role() const override { return QAccessible::StaticText; }

  QString text(QAccessible::Text t) const override {
    const Label* l = label();
    if (!l || (t != QAccessible::Name && t != QAccessible::Value)) return {};
    // A score says whose it is.
    for (const Seat& seat : l->form().runtime().table().seats)
      if (seat.score == l && !seat.player.empty())
        return toQString(seat.player) + QStringLiteral(": ") + toQString(l->caption());
    return toQString(l->caption());
  }

  QRect rect() const override {
    const Label* l = label();
    if (!l) return {};
    const qreal k = view_->scale() / kTwipsPerPixel;
    const QRect local = QRectF(l->left() * k, l->top() * k, l->width() * k, l->height() * k)
                            .normalized()
                            .toAlignedRect();
    return QRect(view_->mapToGlobal(local.topLeft()), local.size());
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    s.readOnly = true;
    const Label* l = label();
    s.invisible = !l || !view_->isVisible();
    return s;
  }

  int index() const { return index_; }

 private:
  const Label* label() const {
    if (!view_ || !view_->form()) return nullptr;
    const auto& elements = view_->form()->elements();
    if (index_ < 0 || static_cast<std::size_t>(index_) >= elements.size()) return nullptr;
    const Element* e = elements[static_cast<std::size_t>(index_)];
    return shown(*e) ? static_cast<const Label*>(e) : nullptr;
  }

  QPointer<FormView> view_;
  int index_;
};

// A view: its visible labels in the order the window holds them, then its line edits.
class ViewAccessible final : public QAccessibleWidget {
 public:
  explicit ViewAccessible(FormView* view) : QAccessibleWidget(view, QAccessible::Client) {
    if (!view->form()) return;
    for (const Element* e : view->form()->elements())
      offered_.push_back(shown(*e));
  }
  ~ViewAccessible() override {
    for (auto& [index, id] : labels_)
      QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return static_cast<int>(children().size()); }
  QAccessibleInterface* child(int i) const override {
    const auto all = children();
    return i >= 0 && static_cast<std::size_t>(i) < all.size() ? all[static_cast<std::size_t>(i)]
                                                              : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto all = children();
    for (std::size_t i = 0; i < all.size(); ++i)
      if (all[i] == child) return static_cast<int>(i);
    return -1;
  }

  // Whether label `index` was among the children at the last change the view heard of.
  bool offered(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < offered_.size() &&
           offered_[static_cast<std::size_t>(index)];
  }
  void setOffered(int index, bool on) {
    if (index >= 0 && static_cast<std::size_t>(index) < offered_.size())
      offered_[static_cast<std::size_t>(index)] = on;
  }

  // The interface of label `index`, made once and kept while the view lives.
  QAccessibleInterface* labelInterface(int index) const {
    for (auto& [i, id] : labels_)
      if (i == index) return QAccessible::accessibleInterface(id);
    auto* made = new LabelAccessible(view(), index);
    labels_.emplace_back(index, QAccessible::registerAccessibleInterface(made));
    return made;
  }

 private:
  FormView* view() const { return static_cast<FormView*>(object()); }

  std::vector<QAccessibleInterface*> children() const {
    std::vector<QAccessibleInterface*> out;
    FormView* v = view();
    if (!v->form()) return out;
    const auto& elements = v->form()->elements();
    for (const Element* e : elements)
      if (shown(*e)) out.push_back(labelInterface(e->index()));
    for (const Element* e : elements) {
      if (e->layout().kind != Kind::TextBox || !e->visible()) continue;
      if (QLineEdit* edit = v->lineEditOf(static_cast<const TextBox&>(*e)))
        if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(edit)) out.push_back(i);
    }
    return out;
  }

  mutable std::vector<std::pair<int, QAccessible::Id>> labels_;
  std::vector<bool> offered_;  // per element: offered to the assistive technologies last time
};

// One announcement: a notification in the window, named by what it says. Each announcement has
// its own, so that a screen reader that asks a moment late still hears each one's words.
class NotificationAccessible final : public LeafAccessible {
 public:
  NotificationAccessible(QWidget& window, QString text)
      : LeafAccessible(&window), text_(std::move(text)) {}

  bool isValid() const override { return !parent_.isNull(); }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? text_ : QString();
  }
  QRect rect() const override { return {}; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.readOnly = true;
    s.invisible = parent_.isNull() || !parent_->isVisible();
    return s;
  }

 private:
  QString text_;
};

// The notifications of the last announcements; older ones are forgotten.
std::deque<QAccessible::Id> notifications;
constexpr std::size_t kNotificationsKept = 16;

void (*listener)(QAccessibleEvent*) = nullptr;

QAccessibleInterface* viewFactory(const QString&, QObject* object) {
  if (auto* view = dynamic_cast<FormView*>(object)) return new ViewAccessible(view);
  return nullptr;
}

}  // namespace

void installAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(viewFactory);
}

void accessibleElementChanged(FormView& view, const Element& element, Property p) {
  if ((!QAccessible::isActive() && !listener) || element.layout().kind != Kind::Label) return;
  if (p != Property::Caption && p != Property::Visible && p != Property::Geometry) return;
  auto* viewIface = dynamic_cast<ViewAccessible*>(QAccessible::queryAccessibleInterface(&view));
  if (!viewIface) return;
  const bool was = viewIface->offered(element.index());
  const bool now = shown(element);
  viewIface->setOffered(element.index(), now);
  // A caption that changes in view is spoken; a label that comes into view or leaves it is
  // announced; a hidden label's caption (the game keeps state in some) is nobody's business.
  QAccessible::Event type;
  if (now != was)
    type = now ? QAccessible::ObjectShow : QAccessible::ObjectHide;
  else if (now && p == Property::Caption)
    type = QAccessible::NameChanged;
  else
    return;
  QAccessibleEvent event(viewIface->labelInterface(element.index()), type);
  if (listener)
    listener(&event);
  else
    QAccessible::updateAccessibility(&event);
}

void announce(QWidget& window, const Announcement& announcement) {
  if (!QAccessible::isActive() && !listener) return;
  auto* made = new NotificationAccessible(window, toQString(announcement.text));
  notifications.push_back(QAccessible::registerAccessibleInterface(made));
  if (notifications.size() > kNotificationsKept) {
    QAccessible::deleteAccessibleInterface(notifications.front());
    notifications.pop_front();
  }
  // Screen readers say a notification as it shows, cutting short whatever they were saying.
  QAccessibleEvent event(made, QAccessible::ObjectShow);
  if (listener)
    listener(&event);
  else
    QAccessible::updateAccessibility(&event);
}

void setAccessibilityListener(void (*hear)(QAccessibleEvent*)) {
  listener = hear;
}

}  // namespace ui::qt
