// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A message box drawn inside the game's scene: a titled panel with its text and an OK button.
//
// The panel stands over the area that the window in front gives its boxes, scaled with the scene
// as the labels are, so a box never hides what a player must still see meanwhile (the verdict's
// colours on the choices, the scores), and its title shows whole: no window manager draws it.
// It is a dialog embedded in the game's window rather than a window of its own, so nothing needs
// placing by a window manager (which some desktops do not allow a program at all) and assistive
// technologies still meet a dialog named by its title, with its text. The text is always plain
// text: a player's name is never read as markup. What closes the panel is the backend's choice.
#pragma once

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

class QLabel;
class QPaintEvent;
class QPushButton;
class QVBoxLayout;

namespace ui {
struct FormLayout;
}

namespace ui::qt {

class MessagePanel final : public QDialog {
 public:
  MessagePanel(const QString& title, const QString& text, QWidget* parent);

  QString title() const;
  QString text() const;
  QLabel* titleLabel() const { return title_; }
  QLabel* textLabel() const { return text_; }
  QPushButton* okButton() const { return ok_; }

  // Stands over `area` (pixels of the 640 x 480 layout) of a scene drawn at `origin`, `scale`
  // times the layout's size: as wide as the area, at its top, as tall as the text needs.
  void place(const QRectF& area, QPoint origin, qreal scale);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* title_;
  QLabel* text_;
  QPushButton* ok_;
  QVBoxLayout* outer_;
  QVBoxLayout* body_;
  QFont titleFont_;
  QFont textFont_;
  int frame_ = 1;
};

// A window painted `scale` times the layout's size, with a box open over it as the game's window
// shows it.
QImage withMessagePanel(const QImage& scene, const FormLayout& layout, qreal scale,
                        const QString& title, const QString& text);

}  // namespace ui::qt
