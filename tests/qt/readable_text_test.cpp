// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Texts a player must be able to read, in the game's own labels and answer box: captions that
// would be cut are drawn whole at a smaller size, every caption of the bank shows whole, and the
// revealed gibberish phrase shows from its first word in a colour that reads on its box.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "content/bank.h"
#include "game/inventory.h"
#include "tests/qt/qt_test_support.h"
#include "ui/element.h"
#include "ui/form.h"
#include "ui/legibility.h"
#include "ui/numeric.h"
#include "ui/qt/fonts.h"
#include "ui/qt/form_view.h"
#include "ui/qt/qt_platform.h"

namespace {

using namespace brivazon_test;
using ui::Color;

constexpr std::array kGameRows{"txtGAnswer", "lblTopic1", "lblChoice1",  "lblQuestion", "lblClue1",
                               "lblValue",   "lblName30", "lblBrivazon", "lblCA",       "lblCB",
                               "lblCC",      "lblCD",     "lblCE",       "lblCF",       "lblCG",
                               "lblCH",      "lblCI",     "lblName20",   "lblName10"};

// The game's own rows for the elements under test, and the title card's number.
const ui::FormLayout& textsLayout() {
  static const std::vector<ui::ElementLayout> rows = [] {
    std::vector<ui::ElementLayout> r;
    for (const char* name : kGameRows)
      for (const ui::ElementLayout& e : game::kFrmGame.elements)
        if (e.name == name) r.push_back(e);
    for (const ui::ElementLayout& e : game::kFrmBlack.elements)
      if (e.name == "lblQNumber") r.push_back(e);
    return r;
  }();
  static const ui::FormLayout form{"frmTexts", "", game::kFrmGame.back, rows, {}, 0};
  return form;
}

class TextsForm : public ui::Form {
 public:
  explicit TextsForm(ui::Runtime& rt) : Form(rt, textsLayout()) {}

  ui::TextBox txtGAnswer{*this, "txtGAnswer"};
  ui::Label lblTopic1{*this, "lblTopic1"};
  ui::Label lblChoice1{*this, "lblChoice1"};
  ui::Label lblQuestion{*this, "lblQuestion"};
  ui::Label lblClue1{*this, "lblClue1"};
  ui::Label lblValue{*this, "lblValue"};
  ui::Label lblName30{*this, "lblName30"};
  ui::Label lblBrivazon{*this, "lblBrivazon"};
  std::array<ui::Label, 9> words{{{*this, "lblCA"},
                                  {*this, "lblCB"},
                                  {*this, "lblCC"},
                                  {*this, "lblCD"},
                                  {*this, "lblCE"},
                                  {*this, "lblCF"},
                                  {*this, "lblCG"},
                                  {*this, "lblCH"},
                                  {*this, "lblCI"}}};
  ui::Label lblName20{*this, "lblName20"};
  ui::Label lblName10{*this, "lblName10"};
  ui::Label lblQNumber{*this, "lblQNumber"};  // the title card's
};

const QRect kWindow(0, 0, ui::qt::QtPlatform::kWidth, ui::qt::QtPlatform::kHeight);

QRect visibleRect(const ui::Element& e) {
  const QRect r = QRectF(e.left() / 15, e.top() / 15, e.width() / 15, e.height() / 15).toRect();
  return r & kWindow;
}

QColor toQColor(Color c) {
  return QColor(c.r, c.g, c.b);
}

Color fromQColor(QRgb c) {
  return Color{static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
               static_cast<std::uint8_t>(qBlue(c))};
}

// Pixels of `rect` that differ from the label's back colour (and the window's): its text.
struct Ink {
  int count = 0;
  QRect bounds;
};
Ink inkIn(const QImage& image, const QRect& rect, QColor back, QColor window = {}) {
  Ink ink;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      if (image.pixelColor(x, y) != back && image.pixelColor(x, y) != window) {
        ++ink.count;
        ink.bounds |= QRect(x, y, 1, 1);
      }
  return ink;
}

class ReadableTextTest : public ::testing::Test {
 protected:
  QString caption(const ui::Label& label) { return QString::fromStdString(label.caption()); }

  // The whole caption, drawn unclipped as the view lays it out, stays inside the part of its
  // label the window shows; otherwise what sticks out is what a player never sees. Faint
  // anti-aliased fringes do not count, nor a flourish or an italic foot a pixel or two past its
  // glyph's advance: the label clips those as it always has.
  bool drawnWhole(const ui::Label& label) {
    ui::qt::FormView view(nullptr, form, nullptr);
    const ui::qt::FormView::CaptionFit fit = view.captionFit(label);
    constexpr int kMargin = 200;
    QImage free(kWindow.size() + QSize(2 * kMargin, 2 * kMargin), QImage::Format_ARGB32);
    free.fill(Qt::transparent);
    {
      QPainter painter(&free);
      painter.translate(kMargin, kMargin);
      painter.setFont(fit.font);
      painter.setPen(Qt::black);
      painter.drawText(fit.rect, fit.flags, fit.text);
    }
    const QRect inside = drawnIn(label).translated(kMargin, kMargin).adjusted(-2, -2, 2, 2);
    for (int y = 0; y < free.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(free.constScanLine(y));
      for (int x = 0; x < free.width(); ++x)
        if (qAlpha(line[x]) >= 96 && !inside.contains(x, y)) return false;
    }
    return true;
  }

  // Where a label may draw in the window: its box, or the room its caption is drawn in.
  QRect drawnIn(const ui::Label& label) {
    ui::qt::FormView view(nullptr, form, nullptr);
    return view.captionFit(label).rect.toAlignedRect() & kWindow;
  }

  ui::qt::QtRuntime qt;
  TextsForm form{qt.runtime()};
};

// The captions players saw cut, off-centre or over another seat: the special cards' titles
// past the window's right edge, the final round's longest English word, long names in their
// seats, a five-digit value wider than its panel, and a topic title of three lines in a box of
// two. A centred caption past the window's edge stays centred on the window; a name stays
// within its seat's share of the window, centred on it, and at the least size it is cut short.
TEST_F(ReadableTextTest, CaptionsThatWouldBeCutAreDrawnWholeAtTheLargestSizeThatFits) {
  struct Case {
    ui::Label TextsForm::*label;
    const char* caption;
    float left;     // where the label stands when the caption shows; 0: its own place
    int players;    // the seats in play, for a name
    double centre;  // the middle of the drawn caption, in pixels; 0: a left-aligned caption
    bool cut = false;
  };
  constexpr double kMiddle = ui::qt::QtPlatform::kWidth / 2.0;
  const char* const ninety =
      "Jean-Baptiste-Emmanuel-Marie de La Rochefoucauld-Montmorency-Saint-Aignan-Beauvilliers-Noé";
  // The title card's number stops sliding at 4050 twips, where the card's title replaces it.
  const std::array<Case, 10> cases{{
      {&TextsForm::lblQNumber, "Baragouin", 4050, 0, kMiddle},
      {&TextsForm::lblQNumber, "Brivazon", 4250, 0, kMiddle},
      {&TextsForm::lblBrivazon, "THE RAILROAD SWITCHMAN", 0, 0, kMiddle},
      {&TextsForm::lblName30, "Jean-Christophe", 0, 3, kMiddle * 5 / 3},
      {&TextsForm::lblName20, "Maximilien-Alexandre de Saint-Exupéry-Beauregard", 0, 3, kMiddle,
       true},
      {&TextsForm::lblName10, "Anne-Sophie-Charlotte de La Tour-Maubourg-Villeneuve", 0, 2,
       kMiddle / 2},
      {&TextsForm::lblName20, ninety, 0, 3, kMiddle, true},
      {&TextsForm::lblName20, "Ana", 0, 1, 0},
      {&TextsForm::lblValue, "10000", 0, 0, 0},
      {&TextsForm::lblTopic1, "", 0, 0, 0},
  }};
  // The bank's longest topic title, three lines at the topic's own size.
  std::string topic;
  for (const auto& q : content::regularQuestions())
    if (q.topic.size() > topic.size()) topic = q.topic;
  for (const Case& c : cases) {
    ui::Label& label = form.*c.label;
    // The seats in play as the game describes them: one in the middle, two at the sides, three.
    qt.runtime().setTableSource([this, n = c.players] {
      ui::Table table;
      for (ui::Label* tag : {&form.lblName10, &form.lblName20, &form.lblName30})
        if (n == 3 || (n == 1 && tag == &form.lblName20) || (n == 2 && tag != &form.lblName20))
          table.seats.push_back({.name = tag});
      return table;
    });
    const double part = kWindow.width() / std::max(c.players, 1);
    const QRect share =
        c.players && c.centre ? QRectF(c.centre - part / 2, 0, part, 480).toRect() : kWindow;
    if (c.left > 0) label.setLeft(c.left);
    label.setCaption(*c.caption ? c.caption : topic);
    label.show();
    SCOPED_TRACE(label.caption());
    const QImage image = ui::qt::renderForm(form);
    const QRect shown = drawnIn(label);
    const Ink ink = inkIn(image, shown, toQColor(*label.backColor()), toQColor(form.backColor()));
    ASSERT_GT(ink.count, 50);
    EXPECT_TRUE(share.contains(shown));
    // Nothing of the caption touches the edge where it would be cut off (one line always
    // shows: a label is a little shorter than its font's line).
    EXPECT_LT(ink.bounds.right(), shown.right());
    if (label.layout().wordWrap) EXPECT_LT(ink.bounds.bottom(), shown.bottom());
    EXPECT_TRUE(drawnWhole(label));
    // Shrunk no more than it must be: the caption still fills most of its room.
    EXPECT_TRUE(ink.bounds.width() > 0.8 * shown.width() ||
                ink.bounds.height() > 0.6 * shown.height() || shown == visibleRect(label))
        << ink.bounds.width() << "x" << ink.bounds.height() << " in " << shown.width() << "x"
        << shown.height();
    if (c.centre > 0) EXPECT_NEAR((ink.bounds.left() + ink.bounds.right() + 1) / 2.0, c.centre, 5);
    const auto fit = ui::qt::FormView(nullptr, form, nullptr).captionFit(label);
    EXPECT_EQ(fit.text.endsWith(QChar(0x2026)), c.cut);
    if (c.cut) EXPECT_EQ(fit.font.pixelSize(), ui::kSmallestName);
    image.save(QStringLiteral(BRIVAZON_QT_TEST_OUTPUT "/fitted-%1.png").arg(&c - cases.data()));
    label.hide();
  }
}

// Every text the bank can put in a label, in that label with its real font, shows whole.
TEST_F(ReadableTextTest, EveryCaptionOfTheBankShowsWholeInItsLabel) {
  std::vector<std::pair<ui::Label*, std::string_view>> shown;
  for (const auto& q : content::regularQuestions()) {
    shown.emplace_back(&form.lblTopic1, q.topic);
    shown.emplace_back(&form.lblQuestion, q.question);
    for (std::string_view choice : q.choices)
      shown.emplace_back(&form.lblChoice1, choice);
  }
  for (const auto& g : content::gibberishQuestions()) {
    shown.emplace_back(&form.lblTopic1, g.topic);
    shown.emplace_back(&form.lblQuestion, g.sentence);
    for (std::string_view clue : g.clues)
      shown.emplace_back(&form.lblClue1, clue);
  }
  std::vector<std::string> values;
  for (const auto& q : content::regularQuestions())
    for (int round : {1, 2})
      values.emplace_back(ui::num(round * q.value).view());
  for (const auto& g : content::gibberishQuestions())
    for (int round : {1, 2})
      values.emplace_back(ui::num(round * g.value).view());
  for (const auto& c : content::finalCategories()) {
    shown.emplace_back(&form.lblTopic1, c.title);
    values.emplace_back(ui::num(c.value).view());
    for (std::size_t i = 0; i < c.french.size(); ++i) {
      shown.emplace_back(&form.words[i], c.french[i]);
      shown.emplace_back(&form.lblBrivazon, c.english[i]);
    }
  }
  for (const std::string& v : values)
    shown.emplace_back(&form.lblValue, v);

  std::vector<std::string> cut;
  for (const auto& [label, text] : shown) {
    label->setCaption(text);
    if (!drawnWhole(*label)) cut.push_back(std::string(label->name()) + ": " + std::string(text));
  }
  EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
  EXPECT_GT(shown.size(), 350u);
}

// The phrase the game reveals is wider than its box at the box's own size: the box shows all
// of it from its first word, a little smaller, and its disabled text reads on each colour the
// game gives the box.
TEST_F(ReadableTextTest, ARevealedPhraseShowsWholeFromItsFirstWordInAColourThatReads) {
  ui::TextBox& box = form.txtGAnswer;
  const QFont own = ui::qt::fontFor(box.layout().font);
  auto width = [](const QFont& font, std::string_view text) {
    return QFontMetricsF(font).horizontalAdvance(QString::fromUtf8(text.data(), text.size()));
  };
  std::string_view phrase;
  for (const auto& g : content::gibberishQuestions())
    if (width(own, g.answer) > width(own, phrase)) phrase = g.answer;
  const QRect rect = visibleRect(box);
  ASSERT_GT(width(own, phrase), rect.width() - 8);

  box.setEnabled(false);
  box.setText(phrase);
  box.show();
  for (Color back : {Color{255, 255, 255}, Color{0, 255, 0}, Color{255, 0, 0}}) {
    SCOPED_TRACE(::testing::Message() << int(back.r) << "," << int(back.g) << "," << int(back.b));
    box.setBackColor(back);
    const QImage image = ui::qt::renderForm(form);
    const QFont shown = ui::qt::FormView(nullptr, form, nullptr).lineEditOf(box)->font();
    // The box is its colour; its text begins at its left and is as wide as the whole phrase.
    const QRect inner = rect.adjusted(3, 3, -3, -3);
    EXPECT_EQ(image.pixelColor(inner.topLeft()), toQColor(back));
    const Ink ink = inkIn(image, inner, toQColor(back));
    EXPECT_LE(ink.bounds.left(), rect.left() + 6);
    EXPECT_LT(ink.bounds.right(), inner.right());
    EXPECT_GE(ink.bounds.width(), width(shown, phrase) - 4);
    EXPECT_GT(ink.bounds.width(), 0.9 * inner.width());  // no smaller than it must be
    // Its darkest or lightest text pixel reads on it.
    double best = 1;
    for (int y = inner.top(); y <= inner.bottom(); ++y)
      for (int x = inner.left(); x <= inner.right(); ++x)
        best = std::max(best, ui::contrastRatio(fromQColor(image.pixel(x, y)), back));
    EXPECT_GE(best, ui::kReadableContrast);
    image.save(QStringLiteral(BRIVAZON_QT_TEST_OUTPUT "/revealed-%1.png").arg(back.g + back.b));
  }
  // Open for typing again, the box has its own size back.
  box.setEnabled(true);
  EXPECT_EQ(ui::qt::FormView(nullptr, form, nullptr).lineEditOf(box)->font(), own);
}

// Typing is as it was: the caret follows what the player types, and a box the game opens again
// for typing has its caret at the end.
TEST_F(ReadableTextTest, APlayerTypesAtTheEndOfTheBox) {
  ui::qt::QtPlatform& platform = qt.platform();
  platform.enter([&] {
    qt.runtime().load(form);
    form.show();
    form.txtGAnswer.show();
  });
  platform.showWindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(platform.window()));
  QLineEdit* edit = platform.viewOf(form)->lineEditOf(form.txtGAnswer);
  ASSERT_EQ(platform.window()->focusWidget(), edit);
  const QString typed = QStringLiteral("celui la est le seul dont j'eusse pu faire mon ami");
  type(platform.window(), typed);
  EXPECT_EQ(form.txtGAnswer.text(), typed.toStdString());
  EXPECT_EQ(edit->cursorPosition(), typed.size());
  // The verdict shows the typed text from its start; typing again goes on at its end.
  platform.enter([&] { form.txtGAnswer.setEnabled(false); });
  EXPECT_EQ(edit->cursorPosition(), 0);
  platform.enter([&] { form.txtGAnswer.setEnabled(true); });
  EXPECT_EQ(edit->cursorPosition(), typed.size());
  platform.enter([&] { form.txtGAnswer.setText("Tu seras"); });
  type(platform.window(), QStringLiteral(" pour"));
  EXPECT_EQ(form.txtGAnswer.text(), "Tu seras pour");
}

}  // namespace
