// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting a window's labels at any scale, keeping its line edits in step, and passing its keys
// on to the host.
#include "ui/qt/form_view.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "ui/element.h"
#include "ui/form.h"
#include "ui/legibility.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/fonts.h"
#include "ui/qt/qstring.h"
#include "ui/shell.h"

namespace ui::qt {

namespace {

QColor toQColor(Color c) {
  return QColor(c.r, c.g, c.b);
}

Color fromQColor(const QColor& c) {
  return Color{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

QRectF pixelsOf(const Element& e) {
  const PixelRect r = ui::pixelRect(e);
  return QRectF(r.left, r.top, r.width, r.height);
}

// The whole pixels a label touches, for repaints.
QRect pixelBounds(const Element& e) {
  return pixelsOf(e).normalized().toAlignedRect();
}

QRect lineEditGeometry(const Element& e, qreal scale) {
  const QRectF r = pixelsOf(e);
  return QRect(qRound(r.x() * scale), qRound(r.y() * scale), qRound(r.width() * scale),
               qRound(r.height() * scale));
}

QFont scaledFont(QFont font, qreal scale) {
  if (scale != 1) font.setPixelSize(std::max(1, qRound(font.pixelSize() * scale)));
  return font;
}

// A label that does not size itself breaks its caption into lines inside its width. A
// self-sizing label never does: its width was just measured for its caption on one line, and
// breaking it over a rounding difference would push the end of the caption out of sight.
bool wraps(const ElementLayout& layout) {
  return !layout.autoSize;
}

int textFlags(const ElementLayout& layout) {
  int flags = Qt::AlignTop;
  flags |= layout.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
  if (wraps(layout)) flags |= Qt::TextWordWrap;
  return flags;
}

// Whether a caption laid out in `area` stays inside `room`. A caption on one line is as wide as
// its advance, the width an auto-size label is measured to; it is never too tall: labels are a
// little shorter than their font's line, as the layout has them, and one line always shows.
// Wrapped lines must all show whole.
bool staysInside(const QFont& font, const QRectF& area, const QRectF& room, int flags,
                 const QString& text) {
  constexpr qreal kSlack = 0.01;
  const QFontMetricsF metrics(font);
  QRectF used;
  if (flags & Qt::TextWordWrap) {
    used = metrics.boundingRect(area, flags, text);
  } else {
    const qreal width = metrics.horizontalAdvance(text);
    const qreal left = flags & Qt::AlignHCenter ? area.center().x() - width / 2 : area.left();
    used = QRectF(left, area.top(), width, metrics.height());
  }
  if (used.left() < room.left() - kSlack || used.right() > room.right() + kSlack) return false;
  const bool oneLine = used.height() < 1.5 * metrics.lineSpacing();
  return oneLine || (used.top() >= room.top() - kSlack && used.bottom() <= room.bottom() + kSlack);
}

// The caret where the box's state wants it: at the end of a box the player types in, at the
// start of one that only shows a text, so that text is read from its first word.
void placeCaret(QLineEdit& edit, bool enabled) {
  if (enabled)
    edit.end(false);
  else
    edit.home(false);
}

// A line edit that keeps every key it is given: a key it has no use for (Tab, F1, an arrow at
// the end of the text) must not travel on to the window as a second key press.
class BoxEdit final : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

  // Whether a text shows whole in this box with this font, by the line edit's own rule: inside
  // its frame and text margins it keeps two pixels each side, and a pixel for the caret.
  bool showsWhole(const QString& text, const QFont& font) const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect room = style()
                           ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                           .marginsRemoved(textMargins());
    return qRound(QFontMetricsF(font).horizontalAdvance(text)) + 2 <= room.width() - 4;
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    QLineEdit::keyPressEvent(event);
    event->accept();
  }
};

}  // namespace

FormView::FormView(ViewHost* host, Form& form, QWidget* parent)
    : QWidget(parent), host_(host), form_(&form) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Keys come here only when the game gives this view the keyboard, never from a mouse click.
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, kScreenWidth, kScreenHeight);

  const auto& elements = form.elements();
  fonts_.reserve(elements.size());
  painted_.reserve(elements.size());
  fits_.resize(elements.size());
  edits_.assign(elements.size(), nullptr);
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const Element& e = *elements[i];
    fonts_.push_back(fontFor(e.layout().font));
    if (e.layout().kind == Kind::Label) takeRoom(i);
    painted_.push_back(drawnBounds(i));
    if (e.layout().kind != Kind::TextBox) continue;
    const auto& box = static_cast<const TextBox&>(e);
    auto* edit = new BoxEdit(this);
    edits_[i] = edit;
    edit->setFont(fonts_[i]);
    edit->setText(toQString(box.text()));
    edit->setGeometry(lineEditGeometry(box, scale_));
    syncLineEdit(box, Property::BackColor);
    syncLineEdit(box, Property::ForeColor);
    edit->setEnabled(box.enabled());
    fitBoxFont(i);
    placeCaret(*edit, box.enabled());
    edit->setVisible(box.visible());
    if (!host_) continue;
    edit->installEventFilter(this);
    QObject::connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
      if (!form_) return;
      host_->textEdited(static_cast<TextBox&>(*form_->elements()[i]), toUtf8(text));
    });
  }
}

void FormView::detach() {
  form_ = nullptr;
  for (QLineEdit* edit : edits_)
    if (edit) edit->removeEventFilter(this);
}

void FormView::setScale(qreal scale) {
  scale_ = scale;
  resize(qRound(kScreenWidth * scale), qRound(kScreenHeight * scale));
  for (std::size_t i = 0; i < edits_.size(); ++i) {
    if (!edits_[i]) continue;
    if (form_) edits_[i]->setGeometry(lineEditGeometry(*form_->elements()[i], scale));
    fitBoxFont(i);
  }
  update();
}

QRect FormView::onScreen(const QRect& layoutPixels) const {
  if (scale_ == 1) return layoutPixels;
  const QRectF r(layoutPixels.x() * scale_, layoutPixels.y() * scale_,
                 layoutPixels.width() * scale_, layoutPixels.height() * scale_);
  // A pixel more on each side: a scaled edge may be rounded either way when it is filled.
  return r.toAlignedRect().adjusted(-1, -1, 1, 1);
}

QLineEdit* FormView::lineEditOf(const TextBox& box) const {
  if (!form_ || &box.form() != form_) return nullptr;
  return edits_[static_cast<std::size_t>(box.index())];
}

void FormView::elementChanged(Element& element, Property p) {
  if (!form_) return;
  const auto i = static_cast<std::size_t>(element.index());
  if (element.layout().kind == Kind::TextBox) {
    syncLineEdit(static_cast<const TextBox&>(element), p);
    return;
  }
  if (p == Property::Caption || (p == Property::Visible && element.visible()) ||
      (p == Property::Geometry && pixelsOf(element).size() != fits_[i].box))
    takeRoom(i);
  const QRect now = drawnBounds(i);
  if (element.visible() || p == Property::Visible) {
    update(onScreen(painted_[i]));
    if (now != painted_[i]) update(onScreen(now));
  }
  painted_[i] = now;
  accessibleElementChanged(*this, element, p);
}

void FormView::syncLineEdit(const TextBox& box, Property p) {
  QLineEdit* edit = edits_[static_cast<std::size_t>(box.index())];
  switch (p) {
    case Property::Text: {
      // What the player types is already in the line edit, caret and all; only a text the game
      // writes moves the caret.
      const QString text = toQString(box.text());
      if (edit->text() == text) break;
      edit->setText(text);
      fitBoxFont(static_cast<std::size_t>(box.index()));
      placeCaret(*edit, box.enabled());
      break;
    }
    case Property::Visible:
      edit->setVisible(box.visible());
      break;
    case Property::Enabled:
      edit->setEnabled(box.enabled());
      fitBoxFont(static_cast<std::size_t>(box.index()));
      placeCaret(*edit, box.enabled());
      break;
    case Property::Geometry:
      edit->setGeometry(lineEditGeometry(box, scale_));
      fitBoxFont(static_cast<std::size_t>(box.index()));
      break;
    case Property::BackColor:
    case Property::ForeColor: {
      QPalette palette = edit->palette();
      if (box.backColor()) palette.setColor(QPalette::Base, toQColor(*box.backColor()));
      if (box.foreColor()) palette.setColor(QPalette::Text, toQColor(*box.foreColor()));
      // The style greys a disabled box's text, too faint on the game's white, green and red: it
      // keeps that grey only where it still reads on the box's colour.
      const Color back = fromQColor(palette.color(QPalette::Disabled, QPalette::Base));
      const Color grey =
          fromQColor(QApplication::palette(edit).color(QPalette::Disabled, QPalette::Text));
      palette.setColor(QPalette::Disabled, QPalette::Text, toQColor(readableOn(back, grey)));
      edit->setPalette(palette);
      break;
    }
    case Property::Caption:
      break;
  }
}

void FormView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (!form_) {
    painter.fillRect(event->rect(), Qt::black);
    return;
  }
  painter.fillRect(event->rect(), toQColor(form_->backColor()));
  // Everything below is in layout pixels; the transform brings it to the screen's resolution.
  painter.scale(scale_, scale_);
  const QRectF dirty = painter.transform().inverted().mapRect(QRectF(event->rect()));
  const auto& elements = form_->elements();
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const Element& e = *elements[i];
    if (e.layout().kind != Kind::Label || !e.visible()) continue;
    const QRectF r = pixelsOf(e);
    const auto& label = static_cast<const Label&>(e);
    const Fit& fit = fitOf(i);
    const QRectF area = fit.shrunk ? fit.room.translated(r.topLeft()) : r;
    if (r.width() <= 0 || r.height() <= 0 || !(r | area).intersects(dirty)) continue;
    // A caption drawn in a room reaching past its box (a seat's share of the window, the
    // window's width for a centred caption) takes its back colour there: the box would run
    // over the seats beside it, or stand off-centre.
    if (label.backColor())
      painter.fillRect(r.contains(area) ? r : area, toQColor(*label.backColor()));
    if (label.caption().empty()) continue;
    painter.setClipRect(area);
    painter.setFont(fit.font);
    painter.setPen(label.foreColor() ? toQColor(*label.foreColor()) : QColor(Qt::black));
    painter.drawText(area, textFlags(e.layout()), fit.text);
    painter.setClipping(false);
  }
}

void FormView::takeRoom(std::size_t i) {
  const Element& e = *form_->elements()[i];
  const Room room = captionRoom(e);
  Fit& fit = fits_[i];
  fit.box = pixelsOf(e).size();
  fit.room = QRectF(room.left, 0, room.width, room.height);
  fit.smallest = room.smallest;
  fit.stale = true;
}

QRect FormView::drawnBounds(std::size_t i) const {
  const Element& e = *form_->elements()[i];
  if (e.layout().kind != Kind::Label) return pixelBounds(e);
  return pixelBounds(e) | fits_[i].room.translated(pixelsOf(e).topLeft()).toAlignedRect();
}

const FormView::Fit& FormView::fitOf(std::size_t i) {
  Fit& fit = fits_[i];
  if (!fit.stale) return fit;
  fit.stale = false;
  const auto& label = static_cast<const Label&>(*form_->elements()[i]);
  const QString text = toQString(label.caption());
  const int flags = textFlags(label.layout());
  const QFont& own = fonts_[i];
  QFont font = own;
  const CaptionSize size = fitCaption(own.pixelSize(), fit.smallest, [&](int pixels, bool inRoom) {
    font.setPixelSize(pixels);
    return staysInside(font, inRoom ? fit.room : QRectF(QPointF(0, 0), fit.box), fit.room, flags,
                       text);
  });
  fit.font = own;
  if (size.shrunk) fit.font.setPixelSize(size.pixels);
  fit.shrunk = size.shrunk;
  fit.text =
      size.cut ? QFontMetricsF(fit.font).elidedText(text, Qt::ElideRight, fit.room.width()) : text;
  return fit;
}

void FormView::fitBoxFont(std::size_t i) {
  const auto& edit = static_cast<BoxEdit&>(*edits_[i]);
  QFont font = scaledFont(fonts_[i], scale_);
  if (!edit.isEnabled() && !edit.showsWhole(edit.text(), font)) {
    QFont trial = font;
    font.setPixelSize(largestFittingSize(font.pixelSize(), 1, [&](int pixels) {
      trial.setPixelSize(pixels);
      return edit.showsWhole(edit.text(), trial);
    }));
  }
  if (edit.font() != font) edits_[i]->setFont(font);
}

FormView::CaptionFit FormView::captionFit(const Label& label) {
  const auto i = static_cast<std::size_t>(label.index());
  const Fit& fit = fitOf(i);
  const QRectF r = pixelsOf(label);
  return {fit.shrunk ? fit.room.translated(r.topLeft()) : r, fit.font, textFlags(label.layout()),
          fit.text};
}

void FormView::keyPressEvent(QKeyEvent* event) {
  if (host_) host_->routeKey(*event, nullptr);
  event->accept();
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !host_) return QWidget::eventFilter(watched, event);
  const auto i = std::find(edits_.begin(), edits_.end(), watched) - edits_.begin();
  const auto* origin =
      form_ && i < std::ssize(edits_)
          ? static_cast<const TextBox*>(form_->elements()[static_cast<std::size_t>(i)])
          : nullptr;
  return host_->routeKey(static_cast<const QKeyEvent&>(*event), origin);
}

QImage renderForm(Form& form, qreal scale) {
  FormView view(nullptr, form, nullptr);
  view.setScale(scale);
  QImage image(view.size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  view.render(&image);
  return image;
}

}  // namespace ui::qt
