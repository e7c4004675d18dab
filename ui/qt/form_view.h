// The picture of one game window: its back colour, its labels and its text boxes.
//
// Labels are painted in the order the window holds them, each clipped to its own rectangle, from
// geometry in twips (fractional, possibly off-screen) at 15 twips to a pixel. Captions are always
// plain text: a player's name is never read as markup. Text boxes are real line edits placed at
// their geometry, which bring editing, dead keys and compose for accented letters, and the caret.
// Only what really changed is repainted.
#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>
#include <vector>

#include "ui/platform.h"

class QLineEdit;

namespace ui::qt {

class QtPlatform;

class FormView final : public QWidget {
 public:
  FormView(QtPlatform& platform, Form& form, QWidget* parent);

  Form* form() const { return form_; }
  // The window is gone; the view waits to be deleted and shows nothing more of it.
  void detach();

  void elementChanged(Element& element, Property p);
  QLineEdit* lineEditOf(const TextBox& box) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Tab is a key like any other here: it never moves the keyboard between the game's widgets.
  bool focusNextPrevChild(bool) override { return false; }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void syncLineEdit(const TextBox& box, Property p);

  QtPlatform& platform_;
  Form* form_;
  std::vector<QFont> fonts_;       // per element, as fonts never change
  std::vector<QRect> painted_;     // per element: the pixels its last state covers
  std::vector<QLineEdit*> edits_;  // per element, null for labels
};

}  // namespace ui::qt
