// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Labels and text boxes: the screen elements a window holds.
//
// Each element starts from its row of the window's inventory and keeps its properties as the
// handlers read and write them. Every write that really changes a property is reported to the
// runtime (for repaints, transcripts and the idle-tick proof); a caption write that changes the
// text runs the label's Change handler synchronously, inside the write, because the game's
// handlers write the phase and rely on the reaction having finished when the write returns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/callback.h"
#include "ui/layout.h"
#include "ui/platform.h"

namespace ui {

class Form;
class Runtime;

class Element {
 public:
  Element(Form& form, std::string_view name, Kind kind);
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;
  virtual ~Element() = default;

  const ElementLayout& layout() const { return *layout_; }
  std::string_view name() const { return layout_->name; }
  Form& form() const { return form_; }
  int index() const { return index_; }

  bool visible() const { return visible_; }
  void setVisible(bool visible);
  void show() { setVisible(true); }
  void hide() { setVisible(false); }

  float left() const { return left_; }
  float top() const { return top_; }
  float width() const { return width_; }
  float height() const { return height_; }
  void setLeft(float v);
  void setTop(float v);
  void setWidth(float v);
  void setHeight(float v);

  std::optional<Color> backColor() const { return back_; }
  std::optional<Color> foreColor() const { return fore_; }
  void setBackColor(Color c);
  void setForeColor(Color c);

 protected:
  void changed(Property p);
  Runtime& runtime() const;
  virtual void visibilityChanged() {}

 private:
  void setGeometry(float& field, float v);

  Form& form_;
  const ElementLayout* layout_;
  int index_;
  bool visible_;
  float left_, top_, width_, height_;
  std::optional<Color> back_, fore_;
};

class Label : public Element {
 public:
  Label(Form& form, std::string_view name);

  const std::string& caption() const { return caption_; }
  void setCaption(std::string_view text);
  void onChange(Callback handler) { change_ = handler; }

 private:
  std::string caption_;
  Callback change_;
};

class TextBox : public Element {
 public:
  TextBox(Form& form, std::string_view name);

  const std::string& text() const { return text_; }
  void setText(std::string_view text);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  void onKeyDown(KeyCallback handler) { keyDown_ = handler; }
  const KeyCallback& keyDownHandler() const { return keyDown_; }

  // Which box shown most recently has the keyboard when two could.
  std::uint64_t shownStamp() const { return shownStamp_; }

  // Typing into the box as a line edit does (the caret is always at the end).
  void typeChar(char32_t ch);
  void backspace();

 protected:
  void visibilityChanged() override;

 private:
  std::string text_;
  bool enabled_ = true;
  std::uint64_t shownStamp_ = 0;
  KeyCallback keyDown_;
};

}  // namespace ui
