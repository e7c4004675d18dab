// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture of one game window: its back colour, its labels and its text boxes.
//
// Labels are painted in the order the window holds them, each clipped to its own rectangle, from
// geometry in twips (fractional, possibly off-screen) at 15 twips to a pixel. Captions are always
// plain text: a player's name is never read as markup. Text boxes are real line edits placed at
// their geometry, which bring editing, dead keys and compose for accented letters, and the caret.
// Only what really changed is repainted.
//
// A player never sees a cut caption: one that does not fit its label, or runs past the window's
// right or bottom edge, is drawn with its font at the largest size that fits in the room the
// layer gives it (ui::captionRoom: a seat's name has its seat's share of the window, where a
// name too long even at the least size is cut short with an ellipsis); the geometry stays as
// the game set it. The room is taken where the label stands when its caption is written,
// when it is shown or resized, not when it only moves: the slides bring captions in from beyond
// the window's edges, and a caption growing as it entered would not be the slide. The fitted
// font is worked out once per change, never while painting.
//
// A disabled text box shows its text whole (smaller when it must be) from the first character,
// in a colour that reads on its back colour; an enabled one keeps its font and the caret at the
// end, where the player types.
//
// A view draws the 640 x 480 layout at any uniform scale (full screen): the painter's transform
// scales the labels and the line edits get scaled geometry and fonts, so text is laid out exactly
// as in the window and drawn at the screen's own resolution. A view with no host shows a window
// without taking part in the game: renderForm() paints any window, of any runtime, that way.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QWidget>
#include <string_view>
#include <vector>

#include "ui/platform.h"

class QKeyEvent;
class QLineEdit;

namespace ui::qt {

// Where a view passes on what the player does in it.
class ViewHost {
 public:
  virtual ~ViewHost() = default;
  // A key that reached the view (origin null) or a text box's line edit, before the line edit
  // sees it; true when the key is used up and the line edit must not type it.
  virtual bool routeKey(const QKeyEvent& event, const TextBox* origin) = 0;
  // The player edited a text box's line edit.
  virtual void textEdited(TextBox& box, std::string_view text) = 0;
};

class FormView final : public QWidget {
 public:
  // With a null host the view only shows the window: keys and edits go nowhere.
  FormView(ViewHost* host, Form& form, QWidget* parent);

  Form* form() const { return form_; }
  // The window is gone; the view waits to be deleted and shows nothing more of it.
  void detach();

  // Draws the layout `scale` times its size (1 in the window); resizes the view to match.
  void setScale(qreal scale);
  qreal scale() const { return scale_; }

  void elementChanged(Element& element, Property p);
  QLineEdit* lineEditOf(const TextBox& box) const;

  // Where, in which font and what of a label's caption is drawn: the label's rectangle, font
  // and caption, or the room it has and the fitted font when its own font would cut it (a
  // name too long even at the least size cut short with an ellipsis). In layout pixels.
  struct CaptionFit {
    QRectF rect;
    QFont font;
    int flags;  // Qt::AlignmentFlag and Qt::TextFlag
    QString text;
  };
  CaptionFit captionFit(const Label& label);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Tab is a key like any other here: it never moves the keyboard between the game's widgets.
  bool focusNextPrevChild(bool) override { return false; }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What the fit of a caption rests on, and its result once worked out.
  struct Fit {
    QSizeF box;           // the label's size when the room was taken
    QRectF room;          // where the caption may be drawn, from the label's top-left corner
    int smallest = 1;     // the least pixel size; below it the caption is cut short
    QFont font;           // the font to draw with
    QString text;         // what is drawn: the caption, or the start of it and an ellipsis
    bool shrunk = false;  // drawn in the room at a smaller size rather than in the label
    bool stale = true;
  };

  void syncLineEdit(const TextBox& box, Property p);
  QRect onScreen(const QRect& layoutPixels) const;
  void takeRoom(std::size_t i);
  // The layout pixels a label may paint: its box, and the room its caption may be drawn in.
  QRect drawnBounds(std::size_t i) const;
  // A disabled box's text at the largest size of its font that shows it whole; an enabled box,
  // where the player types, keeps its font.
  void fitBoxFont(std::size_t i);
  const Fit& fitOf(std::size_t i);

  ViewHost* host_;
  Form* form_;
  qreal scale_ = 1;
  std::vector<QFont> fonts_;       // per element, as fonts never change
  std::vector<Fit> fits_;          // per element; used by labels only
  std::vector<QRect> painted_;     // per element: the layout pixels its last state covers
  std::vector<QLineEdit*> edits_;  // per element, null for labels
};

// The picture of a window as the game's view paints it, `scale` times the layout's size.
QImage renderForm(Form& form, qreal scale = 1);

}  // namespace ui::qt
