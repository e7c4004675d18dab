// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The top row's digits on any keyboard layout: keys are judged by where they sit, so a French
// keyboard, which types "&" and "é" on the keys marked 1 and 2, still chooses and answers with
// them, while the name box types exactly what the layout types.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>

#include "game/brivazon.h"
#include "game/frm_game.h"
#include "tests/qt/qt_test_support.h"
#include "ui/qt/form_view.h"
#include "ui/qt/keys.h"
#include "ui/qt/qt_platform.h"

namespace {

using namespace brivazon_test;

// Keys of the French layout as X11 and Wayland report them: the key's code, what Qt calls it and
// what it types.
struct LayoutKey {
  quint32 scanCode;
  Qt::Key key;
  const char* text;
};
constexpr LayoutKey kFrenchOne{10, Qt::Key_Ampersand, "&"};
constexpr LayoutKey kFrenchTwo{11, Qt::Key_Eacute, "é"};
constexpr LayoutKey kFrenchThree{12, Qt::Key_QuoteDbl, "\""};
constexpr LayoutKey kFrenchFour{13, Qt::Key_Apostrophe, "'"};
constexpr LayoutKey kFrenchQ{38, Qt::Key_Q, "q"};  // where the US layout has its A
constexpr LayoutKey kFrenchA{24, Qt::Key_A, "a"};  // where the US layout has its Q

int windowCode(const LayoutKey& k, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               const char* text = nullptr) {
  const QKeyEvent event(QEvent::KeyPress, k.key, modifiers, k.scanCode, 0, 0,
                        QString::fromUtf8(text ? text : k.text));
  return ui::qt::windowKeyCode(event);
}

TEST(LayoutKeysTest, TheTopRowGivesTheWindowItsDigitsWhateverTheLayoutTypesAndLettersStayLetters) {
  EXPECT_EQ(windowCode(kFrenchOne), '1');
  EXPECT_EQ(windowCode(kFrenchTwo), '2');
  EXPECT_EQ(windowCode(kFrenchThree), '3');
  EXPECT_EQ(windowCode(kFrenchFour), '4');
  // Shift types the digit itself on the French layout; the place decides all the same.
  EXPECT_EQ(windowCode({11, Qt::Key_2, "2"}, Qt::ShiftModifier), '2');
  // The US layout's Shift+1 types "!": still the key marked 1.
  EXPECT_EQ(windowCode({10, Qt::Key_Exclam, "!"}, Qt::ShiftModifier), '1');
  EXPECT_EQ(windowCode({19, Qt::Key_Agrave, "à"}), '0');
  // The keypad, whose digits are digits with Num Lock on any layout.
  EXPECT_EQ(windowCode({88, Qt::Key_3, "3"}, Qt::KeypadModifier), '3');
  // A letter is the letter the layout puts there, not the one of the US layout.
  EXPECT_EQ(windowCode(kFrenchQ), 'q');
  EXPECT_EQ(windowCode(kFrenchA), 'a');
  EXPECT_EQ(windowCode({56, Qt::Key_B, "b"}), 'b');
}

class FrenchKeyboardTest : public brivazon_test::GameOnScreen {
 protected:
  // The key goes down and up through the window system, as a real keyboard's would.
  void press(const LayoutKey& k) {
    const QString text = QString::fromUtf8(k.text);
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
      QWindowSystemInterface::handleExtendedKeyEvent(window()->windowHandle(), type, k.key,
                                                     Qt::NoModifier, k.scanCode, 0, 0, text);
    QWindowSystemInterface::flushWindowSystemEvents();
  }
};

TEST_F(FrenchKeyboardTest, TheKeyMarked2ChoosesTwoPlayersAndThenTypesItsAccentInTheNameBox) {
  ASSERT_TRUE(frm().phaseIs("PNumber"));
  press(kFrenchTwo);
  EXPECT_EQ(frm().playerCount, 2);
  ASSERT_TRUE(waitUntil([&] { return window()->focusWidget() == nameEdit(); }));
  press(kFrenchOne);
  press(kFrenchTwo);
  press(kFrenchQ);
  EXPECT_EQ(nameEdit()->text(), QString::fromUtf8("&éq"));
  EXPECT_EQ(frm().txtInput.text(), "&éq");
}

}  // namespace
