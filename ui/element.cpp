// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Labels and text boxes: property writes, change notices and the Change event.
#include "ui/element.h"

#include <cassert>

#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/utf8.h"

namespace ui {

Element::Element(Form& form, std::string_view name, Kind kind) : form_(form) {
  index_ = form.attach(*this, name);
  layout_ = &form.layout().elements[static_cast<std::size_t>(index_)];
  assert(layout_->kind == kind);
  (void)kind;
  visible_ = layout_->visible;
  left_ = layout_->left;
  top_ = layout_->top;
  width_ = layout_->width;
  height_ = layout_->height;
  back_ = layout_->back;
  fore_ = layout_->fore;
}

Runtime& Element::runtime() const {
  return form_.runtime();
}

void Element::changed(Property p) {
  runtime().elementChanged(*this, p);
}

void Element::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  visibilityChanged();
  changed(Property::Visible);
}

void Element::setGeometry(float& field, float v) {
  if (field == v) return;
  field = v;
  changed(Property::Geometry);
}

void Element::setLeft(float v) {
  setGeometry(left_, v);
}
void Element::setTop(float v) {
  setGeometry(top_, v);
}
void Element::setWidth(float v) {
  setGeometry(width_, v);
}
void Element::setHeight(float v) {
  setGeometry(height_, v);
}

void Element::setBackColor(Color c) {
  if (back_ && *back_ == c) return;
  back_ = c;
  changed(Property::BackColor);
}

void Element::setForeColor(Color c) {
  if (fore_ && *fore_ == c) return;
  fore_ = c;
  changed(Property::ForeColor);
}

Label::Label(Form& form, std::string_view name)
    : Element(form, name, Kind::Label), caption_(layout().caption) {}

void Label::setCaption(std::string_view text) {
  if (caption_ == text) return;
  caption_.assign(text);
  // An auto-size label's width follows its caption; its Left stays where it is.
  if (layout().autoSize) setWidth(runtime().measureText(*this, caption_));
  changed(Property::Caption);
  if (change_) change_();
}

TextBox::TextBox(Form& form, std::string_view name)
    : Element(form, name, Kind::TextBox), text_(layout().caption) {}

void TextBox::setText(std::string_view text) {
  if (text_ == text) return;
  text_.assign(text);
  changed(Property::Text);
}

void TextBox::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  changed(Property::Enabled);
}

void TextBox::visibilityChanged() {
  if (visible()) shownStamp_ = runtime().nextStamp();
}

void TextBox::typeChar(char32_t ch) {
  utf8::append(text_, ch);
  changed(Property::Text);
}

void TextBox::backspace() {
  if (text_.empty()) return;
  text_.erase(utf8::lastStart(text_));
  changed(Property::Text);
}

}  // namespace ui
