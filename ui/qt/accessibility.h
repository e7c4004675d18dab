// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in the window: the painted labels of each game window as text
// objects, and a word when one of them changes.
//
// A view paints its labels itself, so without help an assistive technology sees an empty pane.
// Each view gets an accessible interface whose children are its visible labels with a caption
// (static text named by the caption, at the label's place on the screen) followed by its line
// edits, which are accessible already. A seat's score is named by its player ("Ana: 2000"), as
// the game describes the table. A caption that changes, and a label that comes or goes, raise
// accessibility events; but a screen reader speaks of static text only when asked, so what the
// game announces (ui::Announcer) is shown as a notification, which screen readers say at once.
// The window itself is named after the screen showing, by the platform.
#pragma once

class QAccessibleEvent;
class QWidget;

namespace ui {
class Element;
struct Announcement;
enum class Property : unsigned char;
}  // namespace ui

namespace ui::qt {

class FormView;

// Makes every view accessible from now on; once per application.
void installAccessibility();
// A label of `view` changed: tells the assistive technologies listening, if any are.
void accessibleElementChanged(FormView& view, const Element& element, Property p);
// Says `announcement` in `window`: a notification, made for it, comes into view.
void announce(QWidget& window, const Announcement& announcement);
// Where the events of the labels go instead of the assistive technologies (which Qt only
// serves on a real display): for the tests; null gives them back.
void setAccessibilityListener(void (*hear)(QAccessibleEvent*));

}  // namespace ui::qt
