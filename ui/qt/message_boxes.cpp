// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Message boxes on Qt: a panel in the scene for each open box, newest on top, and the nested
// event loop a handler waits in until its box is answered.
#include <QCoreApplication>
#include <QEventLoop>
#include <memory>

#include "ui/qt/qstring.h"
#include "ui/qt/qt_platform.h"

namespace ui::qt {

void QtPlatform::openBox(std::string_view title, std::string_view text, const PixelRect& area) {
  // What the handler changed before its box (the right choice turned green at a reveal) goes on
  // screen now, on the tick, not after the box has been built and laid out a few ms later.
  QCoreApplication::sendPostedEvents(window_.get(), QEvent::UpdateRequest);
  // Not modal: Qt withholds the close button's request from a window that a modal dialog blocks,
  // and the player must be able to end the game at any time. The input guard keeps the keys and
  // clicks meant for the window from the game instead.
  auto* box = new MessagePanel(toQString(title), toQString(text), window_.get());
  QObject::connect(box, &QDialog::finished, [this] { boxAnswered(); });
  boxes_.push_back(box);
  placeBoxes(area);
  box->show();
}

void QtPlatform::placeBoxes(const PixelRect& area) {
  for (MessagePanel* box : boxes_) {
    box->place(QRectF(area.left, area.top, area.width, area.height), sceneRect().topLeft(),
               sceneScale());
    box->raise();
  }
}

void QtPlatform::waitForAnswer() {
  QCoreApplication::sendPostedEvents(window_.get(), QEvent::UpdateRequest);
  QEventLoop loop;
  QObject::connect(boxes_.back(), &QDialog::finished, &loop, &QEventLoop::quit);
  // Program end leaves this loop too: it closes the box and exits every loop.
  loop.exec(QEventLoop::DialogExec);
}

void QtPlatform::closeBox() {
  const std::unique_ptr<MessagePanel> box(boxes_.back());
  boxes_.pop_back();
}

void QtPlatform::pressOk() {
  if (!boxes_.empty()) boxes_.back()->accept();
}

}  // namespace ui::qt
