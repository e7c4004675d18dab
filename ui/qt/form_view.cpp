// Painting a window's labels at any scale, keeping its line edits in step, and passing its keys
// on to the host.
#include "ui/qt/form_view.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "ui/element.h"
#include "ui/form.h"
#include "ui/qt/fonts.h"
#include "ui/qt/qt_platform.h"

namespace ui::qt {

namespace {

QColor toQColor(Color c) {
  return QColor(c.r, c.g, c.b);
}

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QRectF pixelRect(const Element& e) {
  return QRectF(e.left() / kTwipsPerPixel, e.top() / kTwipsPerPixel, e.width() / kTwipsPerPixel,
                e.height() / kTwipsPerPixel);
}

// The whole pixels a label touches, for repaints.
QRect pixelBounds(const Element& e) {
  return pixelRect(e).normalized().toAlignedRect();
}

QRect lineEditGeometry(const Element& e, qreal scale) {
  const QRectF r = pixelRect(e);
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

// A line edit that keeps every key it is given: a key it has no use for (Tab, F1, an arrow at
// the end of the text) must not travel on to the window as a second key press.
class BoxEdit final : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

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
  setGeometry(0, 0, QtPlatform::kWidth, QtPlatform::kHeight);

  const auto& elements = form.elements();
  fonts_.reserve(elements.size());
  painted_.reserve(elements.size());
  edits_.assign(elements.size(), nullptr);
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const Element& e = *elements[i];
    fonts_.push_back(fontFor(e.layout().font));
    painted_.push_back(pixelBounds(e));
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
    edit->setVisible(box.visible());
    if (!host_) continue;
    edit->installEventFilter(this);
    QObject::connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
      if (!form_) return;
      const QByteArray utf8 = text.toUtf8();
      host_->textEdited(static_cast<TextBox&>(*form_->elements()[i]),
                        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
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
  resize(qRound(QtPlatform::kWidth * scale), qRound(QtPlatform::kHeight * scale));
  for (std::size_t i = 0; i < edits_.size(); ++i) {
    if (!edits_[i]) continue;
    edits_[i]->setFont(scaledFont(fonts_[i], scale));
    if (form_) edits_[i]->setGeometry(lineEditGeometry(*form_->elements()[i], scale));
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
  const QRect now = pixelBounds(element);
  if (element.visible() || p == Property::Visible) {
    update(onScreen(painted_[i]));
    if (now != painted_[i]) update(onScreen(now));
  }
  painted_[i] = now;
}

void FormView::syncLineEdit(const TextBox& box, Property p) {
  QLineEdit* edit = edits_[static_cast<std::size_t>(box.index())];
  switch (p) {
    case Property::Text: {
      const QString text = toQString(box.text());
      if (edit->text() != text) edit->setText(text);
      break;
    }
    case Property::Visible:
      edit->setVisible(box.visible());
      break;
    case Property::Enabled:
      edit->setEnabled(box.enabled());
      break;
    case Property::Geometry:
      edit->setGeometry(lineEditGeometry(box, scale_));
      break;
    case Property::BackColor:
    case Property::ForeColor: {
      QPalette palette = edit->palette();
      if (box.backColor()) palette.setColor(QPalette::Base, toQColor(*box.backColor()));
      if (box.foreColor()) palette.setColor(QPalette::Text, toQColor(*box.foreColor()));
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
    const QRectF r = pixelRect(e);
    if (r.width() <= 0 || r.height() <= 0 || !r.intersects(dirty)) continue;
    const auto& label = static_cast<const Label&>(e);
    if (label.backColor()) painter.fillRect(r, toQColor(*label.backColor()));
    if (label.caption().empty()) continue;
    int flags = Qt::AlignTop;
    flags |= e.layout().align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    if (wraps(e.layout())) flags |= Qt::TextWordWrap;
    painter.setClipRect(r);
    painter.setFont(fonts_[i]);
    painter.setPen(label.foreColor() ? toQColor(*label.foreColor()) : QColor(Qt::black));
    painter.drawText(r, flags, toQString(label.caption()));
    painter.setClipping(false);
  }
}

void FormView::keyPressEvent(QKeyEvent* event) {
  if (host_) host_->routeKey(*event, nullptr);
  event->accept();
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !host_) return QWidget::eventFilter(watched, event);
  return host_->routeKey(static_cast<const QKeyEvent&>(*event), static_cast<QLineEdit*>(watched));
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
