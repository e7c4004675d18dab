// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Headless services: scripted message boxes, counted beeps, a fixed text measure.
#include "ui/headless/headless_platform.h"

#include "ui/utf8.h"

namespace ui::headless {

void HeadlessPlatform::messageBox(std::string_view text, std::string_view title) {
  ++boxes_;
  if (observer_) observer_->messageBoxOpened(title, text);
  if (boxHandler_) boxHandler_(title, text);
}

void HeadlessPlatform::beep() {
  ++beeps_;
  if (observer_) observer_->beeped();
}

float HeadlessPlatform::measureText(const Label& label, std::string_view text) {
  if (measure_) return measure_(label, text);
  return kCharWidth * static_cast<float>(utf8::count(text));
}

void HeadlessPlatform::programEnding() {
  if (observer_) observer_->programEnded();
}

void HeadlessPlatform::formShown(Form& form) {
  if (observer_) observer_->formShown(form);
}

void HeadlessPlatform::formHidden(Form& form) {
  if (observer_) observer_->formHidden(form);
}

void HeadlessPlatform::formDestroyed(Form& form) {
  if (observer_) observer_->formDestroyed(form);
}

void HeadlessPlatform::elementChanged(Element& element, Property p) {
  if (observer_) observer_->elementChanged(element, p);
}

}  // namespace ui::headless
