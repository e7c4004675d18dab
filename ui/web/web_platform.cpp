// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's clock, its events, the DOM elements of each window, the dialog and the beep. The
// DOM side lives in dom.js; these are the calls between the two.
#include "ui/web/web_platform.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ui/element.h"
#include "ui/faces.h"
#include "ui/form.h"
#include "ui/legibility.h"
#include "ui/pointer.h"
#include "ui/shell.h"
#include "ui/timer.h"

// clang-format off
EM_JS(double, brivazon_now, (), { return BrivazonPage.now(); });
EM_ASYNC_JS(void, brivazon_wait, (double ms), { await BrivazonPage.wait(ms); });
EM_JS(int, brivazon_take_event, (int* out), { return BrivazonPage.takeEvent(out); });
EM_JS(char*, brivazon_event_text, (), { return BrivazonPage.eventText(); });
EM_JS(double, brivazon_seed, (), { return BrivazonPage.seed(); });
EM_JS(int, brivazon_fixed_draws, (double* out, int size), {
  return BrivazonPage.fixedDraws(out, size);
});
EM_JS(void, brivazon_create_form, (int id, const char* name, int back), {
  BrivazonPage.createForm(id, UTF8ToString(name), back);
});
EM_JS(void, brivazon_destroy_form, (int id), { BrivazonPage.destroyForm(id); });
EM_JS(void, brivazon_show_form, (int id), { BrivazonPage.showForm(id); });
EM_JS(void, brivazon_form_back, (int id, int back), { BrivazonPage.formBack(id, back); });
EM_JS(void, brivazon_codes, (const char* events, const char* kinds), {
  BrivazonPage.codes(UTF8ToString(events), UTF8ToString(kinds));
});
EM_JS(void, brivazon_create_element, (int form, int index, int box, const char* name,
                                      const char* family, double pixels, int weight, int italic,
                                      int centred, int autoSize, int wrap), {
  BrivazonPage.createElement(form, index, box, UTF8ToString(name), UTF8ToString(family), pixels,
                             weight, italic, centred, autoSize, wrap);
});
EM_JS(void, brivazon_journal_text, (int form, int index), {
  BrivazonPage.journalText(form, index);
});
EM_JS(void, brivazon_place_dialogs, (double left, double top, double width, double height), {
  BrivazonPage.placeDialogs(left, top, width, height);
});
EM_JS(void, brivazon_set_text, (int form, int index, const char* text, int size), {
  BrivazonPage.setText(form, index, UTF8ToString(text, size));
});
EM_JS(int, brivazon_set_geometry, (int form, int index, double left, double top, double width,
                                   double height), {
  return BrivazonPage.setGeometry(form, index, left, top, width, height);
});
EM_JS(int, brivazon_fits, (int form, int index, int pixels, int inRoom, double roomLeft,
                           double roomWidth, double roomHeight), {
  return BrivazonPage.fits(form, index, pixels, inRoom, roomLeft, roomWidth, roomHeight);
});
EM_JS(void, brivazon_font_size, (int form, int index, int pixels, int inRoom, double roomLeft,
                                 double roomWidth, double roomHeight, int cut), {
  BrivazonPage.fontSize(form, index, pixels, inRoom, roomLeft, roomWidth, roomHeight, cut);
});
EM_JS(void, brivazon_set_colours, (int form, int index, int back, int fore), {
  BrivazonPage.setColours(form, index, back, fore);
});
EM_JS(void, brivazon_set_state, (int form, int index, int visible, int enabled), {
  BrivazonPage.setState(form, index, visible, enabled);
});
EM_JS(void, brivazon_focus, (int form, int index), { BrivazonPage.focus(form, index); });
EM_JS(double, brivazon_measure, (const char* family, double pixels, int weight, int italic,
                                 const char* text, int size), {
  return BrivazonPage.measure(UTF8ToString(family), pixels, weight, italic,
                              UTF8ToString(text, size));
});
EM_JS(void, brivazon_open_dialog, (const char* title, int titleSize, const char* text,
                                   int textSize, double left, double top, double width,
                                   double height), {
  BrivazonPage.openDialog(UTF8ToString(title, titleSize), UTF8ToString(text, textSize), left,
                          top, width, height);
});
EM_JS(void, brivazon_close_dialog, (), { BrivazonPage.closeDialog(); });
EM_JS(void, brivazon_press_ok, (), { BrivazonPage.answer(); });
EM_JS(void, brivazon_beep, (), { BrivazonPage.beep(); });
EM_JS(void, brivazon_tapped, (int key), { BrivazonPage.tapped(key); });
EM_JS(int, brivazon_finger_next, (), { return BrivazonPage.fingerNext(); });
EM_JS(void, brivazon_reading, (const char* screen, const char* texts, int size), {
  BrivazonPage.reading(UTF8ToString(screen), UTF8ToString(texts, size));
});
EM_JS(void, brivazon_box_name, (int form, int index, const char* name), {
  BrivazonPage.boxName(form, index, UTF8ToString(name));
});
EM_JS(void, brivazon_announce, (const char* text, int size, int urgent), {
  BrivazonPage.announce(UTF8ToString(text, size), urgent);
});
EM_JS(void, brivazon_end, (const char* scores, int size), {
  BrivazonPage.end(UTF8ToString(scores, size));
});
// clang-format on

namespace ui::web {

namespace {

// What the page queues, and the kinds of its keys, numbered by their places in these lists,
// which the page is given at start.
enum EventType { kNone, kKey, kText, kOk, kWake, kTap, kPad };
constexpr const char* kEventNames = "none key text ok wake tap pad";
enum KeyKind { kChar, kEnter, kEscape, kBackspace, kOther };
constexpr const char* kKeyKindNames = "char enter escape backspace other";
// A tap's place and least target size come in hundredths of the scene's pixels.
constexpr float kTapUnit = 100;

int rgb(const std::optional<Color>& c) {
  return c ? (c->r << 16) | (c->g << 8) | c->b : -1;
}

}  // namespace

struct WebPlatform::Event {
  int type = 0;
  int source = -1;  // the page's id of the box the key was typed in, -1 for the window
  int kind = 0;
  int code = 0;
  int shift = 0;
  std::string text;
};

void WebPlatform::attach(Runtime& runtime) {
  brivazon_codes(kEventNames, kKeyKindNames);
  runtime.random().seed(static_cast<std::uint32_t>(std::fmod(brivazon_seed(), 4294967296.0)));
  Shell::attach(runtime);
}

void WebPlatform::takeFixedDraws() {
  double draws[64];
  for (int n; (n = brivazon_fixed_draws(draws, 64)) > 0;)
    for (int i = 0; i < n; ++i)
      runtime().random().queue(draws[i]);
}

std::int64_t WebPlatform::clock() {
  takeFixedDraws();
  return static_cast<std::int64_t>(brivazon_now());
}

void WebPlatform::waitForAnswer() {
  const std::optional<std::int64_t> due = runtime().scheduler().nextDue();
  // -1: no timer, only the page's events wake the game.
  brivazon_wait(due ? std::max<double>(0, static_cast<double>(*due) - brivazon_now()) : -1);
  // A finger that landed with the last one is taken at its instant: the clock waits.
  if (!brivazon_finger_next()) enter([] {});
  int fields[5];
  while (!ending() && brivazon_take_event(fields)) {
    Event event{fields[0], fields[1], fields[2], fields[3], fields[4], {}};
    if (event.type == kText) {
      char* text = brivazon_event_text();
      event.text = text;
      std::free(text);
    }
    play(event);
  }
}

void WebPlatform::run() {
  while (!ending())
    waitForAnswer();
}

int WebPlatform::formId(const Form& form) const {
  for (std::size_t i = 0; i < forms_.size(); ++i)
    if (forms_[i] == &form) return static_cast<int>(i);
  return -1;
}

void WebPlatform::play(const Event& event) {
  if (event.type == kOk) {
    boxAnswered();
    return;
  }
  if (event.type == kPad) {
    // A pad plugged in (-1), unplugged (-2) or a button of the standard mapping pressed.
    pads_.follow(runtime().table());
    if (event.code == -1) pads_.connected(event.source);
    if (event.code == -2) pads_.disconnected(event.source);
    if (const std::optional<Key> key = pads_.keyOf(event.source, standardButton(event.code)))
      padPressed(*key);
    return;
  }
  // A box is open: the game hears nothing from the page.
  if (boxOpen() || event.type == kWake) return;
  const auto source = static_cast<std::size_t>(event.source);
  TextBox* origin = event.type != kTap && source < boxes_.size() ? boxes_[source] : nullptr;
  // The fingers of one touch land at one instant of the game, as keys pressed together would:
  // the clock moves on with the first alone (the page marks the others).
  const bool together = event.type == kTap && event.source == 1;
  enter(
      [&] {
        if (event.type == kText) {
          TextBox* box = runtime().keyboardBox();
          // Typing that reached a box which no longer has the keyboard is undone.
          if (box && box == origin)
            box->setText(event.text);
          else if (origin)
            brivazon_set_text(formId(origin->form()), origin->index(), origin->text().c_str(),
                              static_cast<int>(origin->text().size()));
          return;
        }
        if (!runtime().front()) return;  // no window is shown: the key is lost
        if (event.type == kTap) {
          tap(event.code / kTapUnit, event.shift / kTapUnit, event.kind / kTapUnit);
          return;
        }
        Key key;
        switch (event.kind) {
          case kEnter:
            key = Key::enter();
            break;
          case kEscape:
            key = Key::escape();
            break;
          case kBackspace:
            key = Key::backspace();
            break;
          default:
            key = Key::character(static_cast<char32_t>(event.code));
        }
        // Routed as every backend routes a key; the box that types it is the <input>'s, unless
        // the key was pressed elsewhere before the keyboard moved to the box (a tick showed it
        // first): the box still types it, as the desktop's does.
        const Typing typing =
            routeKey(origin, event.kind == kOther ? -1 : key.keyAscii(),
                     event.kind == kOther ? event.code : key.keyCode(), event.shift);
        if (typing.elsewhere && (event.kind == kChar || event.kind == kBackspace))
          runtime().typeInto(*typing.box, key);
      },
      !together);
}

void WebPlatform::tap(float x, float y, float minTarget) {
  // The key the game says the place stands for now, routed as that key and nothing more.
  const char32_t key = keyAt(runtime().table(), x, y, minTarget);
  if (!key) return;
  brivazon_tapped(static_cast<int>(key));
  const Key k = Key::character(key);
  if (TextBox* typing = runtime().routeKey(k.keyAscii(), k.keyCode(), 0))
    runtime().typeInto(*typing, k);
}

void WebPlatform::openBox(std::string_view title, std::string_view text, const PixelRect& area) {
  brivazon_open_dialog(title.data(), static_cast<int>(title.size()), text.data(),
                       static_cast<int>(text.size()), area.left, area.top, area.width, area.height);
}

void WebPlatform::placeBoxes(const PixelRect& area) {
  brivazon_place_dialogs(area.left, area.top, area.width, area.height);
}

void WebPlatform::closeBox() {
  if (!ending()) brivazon_close_dialog();
}

void WebPlatform::pressOk() {
  brivazon_press_ok();
}

void WebPlatform::beep() {
  brivazon_beep();
}

float WebPlatform::measureText(const Label& label, std::string_view text) {
  const FontStyle& font = label.layout().font;
  const std::string family = siteFontFamily(font.face);
  const double width = brivazon_measure(family.c_str(), fontPixels(font), font.weight, font.italic,
                                        text.data(), static_cast<int>(text.size()));
  return static_cast<float>(std::ceil(width)) * kTwipsPerPixel;
}

void WebPlatform::programEnding() {
  // The page shows the final scores beside its word on the end: each named player's, as the
  // score label shows it (the game is still there while it ends).
  std::string scores;
  for (const Seat& seat : table().seats) {
    if (seat.player.empty() || !seat.score) continue;
    if (!scores.empty()) scores += '\n';
    scores += seat.player + '\t' + seat.score->caption();
  }
  brivazon_end(scores.c_str(), static_cast<int>(scores.size()));
}

void WebPlatform::createWindow(Form& form) {
  const int id = static_cast<int>(forms_.size());
  forms_.push_back(&form);
  const std::string name(form.name());
  brivazon_create_form(id, name.c_str(), rgb(form.backColor()));
  for (Element* e : form.elements()) {
    const ElementLayout& layout = e->layout();
    const std::string elementName(layout.name);
    const std::string family = siteFontFamily(layout.font.face);
    int box = -1;
    if (layout.kind == Kind::TextBox) {
      box = static_cast<int>(boxes_.size());
      boxes_.push_back(static_cast<TextBox*>(e));
    }
    brivazon_create_element(id, e->index(), box, elementName.c_str(), family.c_str(),
                            fontPixels(layout.font), layout.font.weight, layout.font.italic,
                            layout.align == Align::Centre, layout.autoSize, !layout.autoSize);
    for (Property p :
         {Property::Caption, Property::Geometry, Property::BackColor, Property::Visible})
      updateElement(*e, p);
  }
}

void WebPlatform::destroyWindow(Form& form) {
  const int id = formId(form);
  if (id < 0) return;
  forms_[static_cast<std::size_t>(id)] = nullptr;
  for (TextBox*& box : boxes_)
    if (box && &box->form() == &form) box = nullptr;
  if (focused_ && *focused_ && &(*focused_)->form() == &form) focused_.reset();
  brivazon_destroy_form(id);
}

void WebPlatform::updateWindow(Form& form) {
  brivazon_form_back(formId(form), rgb(form.backColor()));
}

void WebPlatform::updateElement(Element& element, Property p) {
  const int form = formId(element.form());
  if (form < 0) return;
  const int index = element.index();
  switch (p) {
    case Property::Caption:
    case Property::Text: {
      const std::string& text = element.layout().kind == Kind::TextBox
                                    ? static_cast<const TextBox&>(element).text()
                                    : static_cast<const Label&>(element).caption();
      brivazon_set_text(form, index, text.c_str(), static_cast<int>(text.size()));
      fitText(element);
      break;
    }
    case Property::Geometry: {
      const PixelRect r = pixelRect(element);
      if (brivazon_set_geometry(form, index, r.left, r.top, r.width, r.height)) fitText(element);
      break;
    }
    case Property::BackColor:
    case Property::ForeColor:
      brivazon_set_colours(form, index, rgb(element.backColor()), rgb(element.foreColor()));
      break;
    case Property::Visible:
    case Property::Enabled: {
      const bool enabled =
          element.layout().kind != Kind::TextBox || static_cast<const TextBox&>(element).enabled();
      brivazon_set_state(form, index, element.visible(), enabled);
      fitText(element);
      break;
    }
  }
}

void WebPlatform::bringToFront(Form& form, Form*) {
  brivazon_show_form(formId(form));
  // A window's texts are measured where they are drawn: its own were not while it was away.
  for (const Element* e : form.elements())
    fitText(*e);
}

void WebPlatform::fitText(const Element& element) {
  if (displayed() != &element.form() || !element.visible()) return;
  const int form = formId(element.form());
  const int index = element.index();
  const int natural = fontPixels(element.layout().font);
  // A box being typed in keeps its size; one that shows a phrase shows all of it.
  const bool box = element.layout().kind == Kind::TextBox;
  const Room room = captionRoom(element);
  // A caption that does not fit its box is shrunk and drawn in its room alone, as the
  // desktop draws it; below the room's least size it is cut short.
  CaptionSize size{natural};
  if (!box || !static_cast<const TextBox&>(element).enabled()) {
    size = fitCaption(natural, room.smallest, [&](int pixels, bool inRoom) {
      return brivazon_fits(form, index, pixels, inRoom, room.left, room.width, room.height) != 0;
    });
  }
  brivazon_font_size(form, index, size.pixels, size.shrunk, room.left, room.width, room.height,
                     size.cut);
}

void WebPlatform::nameBox(TextBox& box, const std::string& name) {
  brivazon_box_name(formId(box.form()), box.index(), name.c_str());
}

void WebPlatform::tableChanged(const Table& now, const Table& before) {
  // One text per line, in the game's order (a caption never holds a line break of its own).
  std::string texts;
  for (const Spoken& s : now.spoken) {
    if (!texts.empty()) texts += '\n';
    texts += s.text;
  }
  brivazon_reading(now.screen.c_str(), texts.c_str(), static_cast<int>(texts.size()));
  // The label the game keeps its phase in is journalled for the browser check.
  if (now.phase && now.phase != before.phase)
    brivazon_journal_text(formId(now.phase->form()), now.phase->index());
}

void WebPlatform::announce(const Announcement& a) {
  brivazon_announce(a.text.c_str(), static_cast<int>(a.text.size()), a.urgent);
}

void WebPlatform::giveKeyboard(const KeyboardTarget& target) {
  // The dialog on top takes the keyboard itself (dom.js).
  if (target.messageBox || focused_ == target.textBox) return;
  focused_ = target.textBox;
  if (TextBox* box = target.textBox)
    brivazon_focus(formId(box->form()), box->index());
  else
    brivazon_focus(-1, -1);
}

}  // namespace ui::web
