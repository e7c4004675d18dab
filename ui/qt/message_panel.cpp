// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The in-scene message box: its parts, its place and scale, and its picture over a window.
#include "ui/qt/message_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/layout.h"
#include "ui/qt/fonts.h"
#include "ui/shell.h"

namespace ui::qt {

namespace {

// The panel's colours: a dark title bar and frame, a light body. The bar's colour appears nowhere
// else in the game, so a check from outside can tell an open box by it.
const QColor kBar(36, 52, 92);
const QColor kBody(236, 236, 236);

// Sizes in pixels of the 640 x 480 layout, scaled with the scene.
constexpr int kTitleHeight = 22;
constexpr int kMargin = 10;
constexpr int kSpacing = 8;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;

void setColours(QWidget& w, const QColor& back, const QColor& fore) {
  QPalette p = w.palette();
  p.setColor(QPalette::Window, back);
  p.setColor(QPalette::WindowText, fore);
  w.setPalette(p);
  w.setAutoFillBackground(true);
}

}  // namespace

MessagePanel::MessagePanel(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent),
      title_(new QLabel(title, this)),
      text_(new QLabel(text, this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)),
      outer_(new QVBoxLayout(this)),
      body_(new QVBoxLayout),
      titleFont_(fontFor(FontStyle{"Arial", 9.75f, 700})),
      textFont_(fontFor(FontStyle{"Arial", 9.75f})) {
  // A dialog is a window of its own unless told otherwise; this one is part of the scene.
  setWindowFlags(Qt::Widget);
  setWindowTitle(title);
  setAccessibleName(title);
  setAccessibleDescription(text);
  setColours(*this, kBody, Qt::black);

  title_->setTextFormat(Qt::PlainText);
  title_->setAlignment(Qt::AlignCenter);
  setColours(*title_, kBar, Qt::white);
  text_->setTextFormat(Qt::PlainText);
  text_->setAlignment(Qt::AlignCenter);
  text_->setWordWrap(true);
  ok_->setDefault(true);
  QObject::connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  outer_->setSpacing(0);
  outer_->addWidget(title_);
  outer_->addLayout(body_);
  body_->addWidget(text_);
  body_->addWidget(ok_, 0, Qt::AlignHCenter);
  // Until the backend places it: as tall as a box that a window gives no area.
  place(QRectF(0, 0, kScreenWidth, boxArea(FormLayout{}).height), QPoint(), 1);
}

QString MessagePanel::title() const {
  return title_->text();
}

QString MessagePanel::text() const {
  return text_->text();
}

void MessagePanel::place(const QRectF& area, QPoint origin, qreal scale) {
  const auto px = [scale](qreal v) { return std::max(1, qRound(v * scale)); };
  const auto font = [&](QFont f) {
    f.setPixelSize(px(f.pixelSize()));
    return f;
  };
  frame_ = px(1);
  title_->setFont(font(titleFont_));
  text_->setFont(font(textFont_));
  ok_->setFont(font(textFont_));
  title_->setFixedHeight(px(kTitleHeight));
  ok_->setFixedSize(px(kButtonWidth), px(kButtonHeight));
  outer_->setContentsMargins(frame_, frame_, frame_, frame_);
  body_->setContentsMargins(px(kMargin), px(kMargin), px(kMargin), px(kMargin));
  body_->setSpacing(px(kSpacing));
  outer_->invalidate();
  outer_->activate();
  const int width = qRound(area.width() * scale);
  const int needed = hasHeightForWidth() ? heightForWidth(width) : sizeHint().height();
  const int height = std::min(needed, qRound(area.height() * scale));
  setGeometry(origin.x() + qRound(area.x() * scale), origin.y() + qRound(area.y() * scale), width,
              height);
}

void MessagePanel::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  const int w = width(), h = height(), f = frame_;
  for (const QRect& edge :
       {QRect(0, 0, w, f), QRect(0, h - f, w, f), QRect(0, 0, f, h), QRect(w - f, 0, f, h)})
    painter.fillRect(edge, kBar);
}

QImage withMessagePanel(const QImage& scene, const FormLayout& layout, qreal scale,
                        const QString& title, const QString& text) {
  MessagePanel panel(title, text, nullptr);
  panel.setAttribute(Qt::WA_DontShowOnScreen);
  const PixelRect area = boxArea(layout);
  panel.place(QRectF(area.left, area.top, area.width, area.height), QPoint(), scale);
  panel.show();
  QImage out = scene.convertToFormat(QImage::Format_RGB32);
  QPainter painter(&out);
  panel.render(&painter, panel.pos());
  painter.end();
  panel.hide();
  return out;
}

}  // namespace ui::qt
