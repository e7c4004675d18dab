// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in the real game: the window named after the screen showing, every
// visible label as static text at its place, the scores named by their players, the name box
// named by its prompt, and the game's announcements as notifications, in the game's order.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLineEdit>
#include <algorithm>
#include <string>
#include <vector>

#include "game/brivazon.h"
#include "game/frm_game.h"
#include "tests/qt/qt_test_support.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/form_view.h"
#include "ui/qt/qt_platform.h"

namespace {

using namespace brivazon_test;

// Every event an assistive technology would hear, as its kind and the name of its object, and
// the notifications a screen reader says.
std::vector<std::pair<QAccessible::Event, QString>> heard;
std::vector<QString> said;

void listen(QAccessibleEvent* event) {
  QAccessibleInterface* i = event->accessibleInterface();
  heard.emplace_back(event->type(), i ? i->text(QAccessible::Name) : QString());
  if (i && i->role() == QAccessible::Notification && event->type() == QAccessible::ObjectShow)
    said.push_back(i->text(QAccessible::Name));
}

// The announcement that says all of `parts`, in that order, or an empty one.
QString saidInOrder(const std::vector<std::string>& parts) {
  for (const QString& s : said) {
    qsizetype at = 0;
    bool all = true;
    for (const std::string& p : parts)
      if (all) all = (at = s.indexOf(QString::fromStdString(p), at)) >= 0;
    if (all) return s;
  }
  return {};
}

bool wasHeard(QAccessible::Event type, const QString& name) {
  for (const auto& [t, n] : heard)
    if (t == type && n == name) return true;
  return false;
}

class AccessibilityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    heard.clear();
    said.clear();
    ui::qt::setAccessibilityListener(listen);
    qt.platform().enter([&] { game.start(); });
    qt.platform().showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
  }
  void TearDown() override { ui::qt::setAccessibilityListener(nullptr); }

  QWidget* window() { return qt.platform().window(); }
  game::FrmGame& frm() { return game.frmGame(); }
  QString screenName() {
    return QAccessible::queryAccessibleInterface(window())->text(QAccessible::Name);
  }
  // The static texts the view in front offers, by name.
  std::vector<QAccessibleInterface*> texts() {
    std::vector<QAccessibleInterface*> out;
    QAccessibleInterface* view =
        QAccessible::queryAccessibleInterface(qt.platform().displayedView());
    for (int i = 0; i < view->childCount(); ++i)
      if (view->child(i)->role() == QAccessible::StaticText) out.push_back(view->child(i));
    return out;
  }
  QAccessibleInterface* text(const std::string& name) {
    for (QAccessibleInterface* t : texts())
      if (t->text(QAccessible::Name) == QString::fromStdString(name)) return t;
    return nullptr;
  }

  ui::qt::QtRuntime qt;
  game::Brivazon game{qt.runtime()};
};

TEST_F(AccessibilityTest, AScreenReaderReadsEachScreensLabelsScoresByPlayerAndHearsTheQuestion) {
  EXPECT_EQ(screenName(), QStringLiteral("Nombre de joueurs"));
  QAccessibleInterface* question = text(frm().lblPNumber.caption());
  ASSERT_NE(question, nullptr) << "the count question is read";
  // 192,128 to 449,185 in the window: where it is painted.
  EXPECT_EQ(question->rect(), QRect(window()->mapToGlobal(QPoint(192, 128)), QSize(257, 57)));
  for (const char* badge : {"1", "2", "3"})
    EXPECT_NE(text(badge), nullptr) << badge;
  for (QAccessibleInterface* t : texts())
    EXPECT_FALSE(t->text(QAccessible::Name).isEmpty());
  EXPECT_EQ(text("Joueur 2, tapez votre nom"), nullptr) << "a prompt waiting outside the window";

  press(window(), Qt::Key_1, "1");
  ASSERT_TRUE(waitUntil([&] { return screenName() == QStringLiteral("Noms des joueurs"); }));
  ASSERT_TRUE(waitUntil([&] { return text("Joueur 1, tapez votre nom") != nullptr; }));
  EXPECT_TRUE(wasHeard(QAccessible::ObjectShow, QStringLiteral("Joueur 1, tapez votre nom")))
      << "the prompt is announced as it slides in";
  // The name box is a real line edit among the texts.
  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(qt.platform().displayedView());
  ASSERT_TRUE(waitUntil([&] {
    return view->childCount() > 0 &&
           view->child(view->childCount() - 1)->role() == QAccessible::EditableText;
  }));
  EXPECT_EQ(view->child(view->childCount() - 1)->text(QAccessible::Name),
            QStringLiteral("Joueur 1, tapez votre nom"))
      << "the name box is named by its prompt";
  type(window(), QStringLiteral("Ana"));
  press(window(), Qt::Key_Return, "\r");
  ASSERT_TRUE(waitUntil([&] { return screenName() == QStringLiteral("Choix du sujet"); }, 8000));
  ASSERT_TRUE(waitUntil([&] { return text(frm().lblTopic3.caption()) != nullptr; }));
  for (const ui::Label* topic : {&frm().lblTopic1, &frm().lblTopic2, &frm().lblTopic3})
    EXPECT_NE(text(topic->caption()), nullptr) << topic->caption();
  EXPECT_NE(text("Ana: " + frm().lblB.caption()), nullptr) << "the score says whose it is";
  EXPECT_FALSE(saidInOrder({"Bienvenu"}).isEmpty() ||
               saidInOrder({"1) " + frm().lblTopic1.caption(), "2) " + frm().lblTopic2.caption(),
                            "3) " + frm().lblTopic3.caption()})
                   .isEmpty())
      << "the welcome card, then the topics with their keys";

  heard.clear();
  press(window(), Qt::Key_1, "1");
  ASSERT_TRUE(waitUntil([&] { return screenName() == QStringLiteral("Question"); }, 8000));
  ASSERT_TRUE(waitUntil([&] { return text(frm().choice4.value()) != nullptr; }));
  for (const std::string* s :
       {&frm().questionText.value(), &frm().choice1.value(), &frm().choice2.value(),
        &frm().choice3.value(), &frm().choice4.value()}) {
    EXPECT_NE(text(*s), nullptr) << *s;
    EXPECT_TRUE(wasHeard(QAccessible::NameChanged, QString::fromStdString(*s)) ||
                wasHeard(QAccessible::ObjectShow, QString::fromStdString(*s)))
        << "heard when it came: " << *s;
  }
  EXPECT_FALSE(saidInOrder({"Question 1"}).isEmpty()) << "the title card";
  const QString asked = saidInOrder({frm().questionText.value(), "Pour " + frm().lblValue.caption(),
                                     "1) " + frm().choice1.value(), "2) " + frm().choice2.value(),
                                     "3) " + frm().choice3.value(), "4) " + frm().choice4.value()});
  EXPECT_FALSE(asked.isEmpty()) << "the question, its amount and its choices in one breath";
  EXPECT_EQ(std::count(said.begin(), said.end(), asked), 1) << "said once";
  EXPECT_FALSE(asked.contains(QStringLiteral("Ana: "))) << "the score, the same as before the card";

  // A buzz and a right answer: the score's change is heard with the player's name.
  heard.clear();
  press(window(), Qt::Key_B, "b");
  const std::string right = frm().answerKey.value();
  QTimer poll;
  whenBoxOpens(poll, [](ui::qt::MessagePanel& box) { box.accept(); });
  press(window(), static_cast<Qt::Key>(Qt::Key_0 + std::stoi(right)),
        QString::fromStdString(right));
  ASSERT_TRUE(waitUntil([&] { return frm().lblB.caption() != "0"; }));
  EXPECT_FALSE(saidInOrder({"Answer Ana"}).isEmpty()) << "who buzzed";
  EXPECT_FALSE(saidInOrder({"Ana: " + frm().lblB.caption()}).isEmpty()) << "the new score";
}

}  // namespace
