// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's clock, its events, the DOM elements of each window, the dialog and the beep. The
// DOM side lives in dom.js; these are the calls between the two.
#include "ui/web/web_platform.h"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "ui/element.h"
#include "ui/faces.h"
#include "ui/form.h"
#include "ui/legibility.h"
#include "ui/pointer.h"
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
EM_JS(void, brivazon_create_element, (int form, int index, int isBox, const char* name,
                                      const char* family, double pixels, int weight, int italic,
                                      int centred, int autoSize, int wrap), {
  BrivazonPage.createElement(form, index, isBox, UTF8ToString(name), UTF8ToString(family), pixels,
                             weight, italic, centred, autoSize, wrap);
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

// What the page queues; the numbers are dom.js's.
enum EventType { kKey = 1, kText = 2, kOk = 3, kWake = 4, kTap = 5, kPad = 6 };
// A tap's place and least target size come in hundredths of the scene's pixels.
constexpr float kTapUnit = 100;
enum KeyKind { kChar = 0, kEnter = 1, kEscape = 2, kBackspace = 3, kOther = 4 };

int rgb(const std::optional<Color>& c) {
  return c ? (c->r << 16) | (c->g << 8) | c->b : -1;
}

// Where a box stands in pixels: the window's own place for it, clear of what a player must
// still see, or centred on the window when it has none (as on the desktop).
std::array<double, 4> boxArea(const FormLayout& layout) {
  const Area& a = layout.messageArea;
  if (a.width > 0 && a.height > 0)
    return {a.left / kTwipsPerPixel, a.top / kTwipsPerPixel, a.width / kTwipsPerPixel,
            a.height / kTwipsPerPixel};
  constexpr double kWidth = 320, kHeight = 120;
  return {(640 - kWidth) / 2, (480 - kHeight) / 2, kWidth, kHeight};
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
  runtime_ = &runtime;
  runtime.scheduler().setMaxLag(kMaxLagMs);
  runtime.random().seed(static_cast<std::uint32_t>(std::fmod(brivazon_seed(), 4294967296.0)));
  runtime.setNow(static_cast<std::int64_t>(brivazon_now()));
  takeFixedDraws();
}

void WebPlatform::takeFixedDraws() {
  double draws[64];
  for (int n; (n = brivazon_fixed_draws(draws, 64)) > 0;)
    for (int i = 0; i < n; ++i)
      runtime_->random().queue(draws[i]);
}

void WebPlatform::catchUp() {
  takeFixedDraws();
  if (holdClock_) return;
  const auto t = static_cast<std::int64_t>(brivazon_now());
  if (t > runtime_->now()) runtime_->setNow(t);
  runtime_->advanceTo(t);
}

void WebPlatform::waitForPage() {
  const std::optional<std::int64_t> due = runtime_->scheduler().nextDue();
  // -1: no timer, only the page's events wake the game.
  brivazon_wait(due ? std::max<double>(0, static_cast<double>(*due) - brivazon_now()) : -1);
}

void WebPlatform::run() {
  while (!ending()) {
    waitForPage();
    // A finger that landed with the last one is taken at its instant: the clock waits.
    if (!brivazon_finger_next()) enter([] {});
    playEvents();
  }
}

void WebPlatform::playEvents() {
  int fields[5];
  while (!ending() && brivazon_take_event(fields)) {
    Event event{fields[0], fields[1], fields[2], fields[3], fields[4], {}};
    if (event.type == kText) {
      char* text = brivazon_event_text();
      event.text = text;
      std::free(text);
    }
    play(event);
    holdClock_ = false;
  }
}

int WebPlatform::formId(const Form& form) const {
  for (std::size_t i = 0; i < forms_.size(); ++i)
    if (forms_[i] == &form) return static_cast<int>(i);
  return -1;
}

void WebPlatform::play(const Event& event) {
  if (event.type == kOk) {
    if (boxesOpen_ > 0) ++boxesClosed_;
    return;
  }
  if (event.type == kPad) {
    // A pad plugged in (-1), unplugged (-2) or a button of the standard mapping pressed.
    pads_.follow(runtime_->table());
    if (event.code == -1) pads_.connected(event.source);
    if (event.code == -2) pads_.disconnected(event.source);
    const std::optional<Key> key = pads_.keyOf(event.source, standardButton(event.code));
    if (key && boxesOpen_ > 0 && padClosesBox(*key)) ++boxesClosed_;
    if (key && boxesOpen_ == 0) enter([&] { padKeyPress(*runtime_, *key); });
    return;
  }
  // A box is open: the game hears nothing from the page.
  if (boxesOpen_ > 0 || event.type == kWake) return;
  // The fingers of one touch land at one instant of the game, as keys pressed together would:
  // the clock moves on with the first alone (the page marks the others).
  holdClock_ = event.type == kTap && event.source == 1;
  enter([&] {
    Form* front = runtime_->front();
    TextBox* box = runtime_->keyboardBox();
    const int boxId = box ? formId(box->form()) * 1000 + box->index() : -1;
    if (event.type == kText) {
      // Typing that reached a box which no longer has the keyboard is undone.
      if (box && boxId == event.source) {
        box->setText(event.text);
      } else {
        const int form = event.source / 1000;
        const int index = event.source % 1000;
        if (form < static_cast<int>(forms_.size()) && forms_[static_cast<std::size_t>(form)]) {
          const auto* target =
              forms_[static_cast<std::size_t>(form)]->elements()[static_cast<std::size_t>(index)];
          const auto& text = static_cast<const TextBox*>(target)->text();
          brivazon_set_text(form, index, text.c_str(), static_cast<int>(text.size()));
        }
      }
      return;
    }
    if (!front) return;  // no window is shown: the key is lost
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
    // Routed as every backend routes a key; the box that then types it is the <input>'s.
    TextBox* typing =
        runtime_->routeKey(event.kind == kOther ? -1 : key.keyAscii(),
                           event.kind == kOther ? event.code : key.keyCode(), event.shift);
    // The key was pressed elsewhere before the keyboard moved to this box (a tick showed it
    // first): the box still types it, as the desktop's does.
    if (!typing || event.source == boxId) return;
    if (event.kind == kChar || event.kind == kBackspace) runtime_->typeInto(*typing, key);
  });
}

void WebPlatform::tap(float x, float y, float minTarget) {
  // The key the game says the place stands for now, routed as that key and nothing more.
  const char32_t key = keyAt(runtime_->table(), x, y, minTarget);
  if (!key) return;
  brivazon_tapped(static_cast<int>(key));
  const Key k = Key::character(key);
  if (TextBox* typing = runtime_->routeKey(k.keyAscii(), k.keyCode(), 0))
    runtime_->typeInto(*typing, k);
}

void WebPlatform::messageBox(std::string_view text, std::string_view title) {
  // What the handler changed before its box (who lost what) is said before the box is read.
  followTable();
  const Form* over = runtime_->front();
  if (!over && !runtime_->forms().empty()) over = runtime_->forms().front();
  const auto area = boxArea(over ? over->layout() : FormLayout{});
  brivazon_open_dialog(title.data(), static_cast<int>(title.size()), text.data(),
                       static_cast<int>(text.size()), area[0], area[1], area[2], area[3]);
  const int depth = ++boxesOpen_;
  const int closedBefore = boxesClosed_;
  // The handler waits here while other timers keep firing; the box on top takes each OK.
  while (!ending() && boxesClosed_ == closedBefore) {
    waitForPage();
    // A finger that landed with the last one is taken at its instant: the clock waits.
    if (!brivazon_finger_next()) enter([] {});
    playEvents();
  }
  if (boxesClosed_ > closedBefore) --boxesClosed_;
  boxesOpen_ = depth - 1;
  if (!ending()) {
    brivazon_close_dialog();
    runtime_->setNow(std::max(runtime_->now(), static_cast<std::int64_t>(brivazon_now())));
  }
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
  for (const Seat& seat : table_.seats) {
    if (seat.player.empty() || !seat.score) continue;
    if (!scores.empty()) scores += '\n';
    scores += seat.player + '\t' + seat.score->caption();
  }
  brivazon_end(scores.c_str(), static_cast<int>(scores.size()));
}

void WebPlatform::formCreated(Form& form) {
  const int id = static_cast<int>(forms_.size());
  forms_.push_back(&form);
  const std::string name(form.name());
  brivazon_create_form(id, name.c_str(), rgb(form.backColor()));
  for (Element* e : form.elements()) {
    const ElementLayout& layout = e->layout();
    const std::string elementName(layout.name);
    const std::string family = siteFontFamily(layout.font.face);
    const bool isBox = layout.kind == Kind::TextBox;
    brivazon_create_element(id, e->index(), isBox, elementName.c_str(), family.c_str(),
                            fontPixels(layout.font), layout.font.weight, layout.font.italic,
                            layout.align == Align::Centre, layout.autoSize, !layout.autoSize);
    for (Property p :
         {Property::Caption, Property::Geometry, Property::BackColor, Property::Visible})
      elementChanged(*e, p);
  }
}

void WebPlatform::formDestroyed(Form& form) {
  const int id = formId(form);
  if (id < 0) return;
  forms_[static_cast<std::size_t>(id)] = nullptr;
  brivazon_destroy_form(id);
  if (displayed_ == id) displayed_ = -1;
  showFront();
  settleKeyboard();
}

void WebPlatform::formShown(Form&) {
  showFront();
  settleKeyboard();
}

void WebPlatform::formHidden(Form&) {
  showFront();
  settleKeyboard();
}

void WebPlatform::formChanged(Form& form) {
  brivazon_form_back(formId(form), rgb(form.backColor()));
}

void WebPlatform::elementChanged(Element& element, Property p) {
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
    case Property::Geometry:
      if (brivazon_set_geometry(form, index, element.left() / kTwipsPerPixel,
                                element.top() / kTwipsPerPixel, element.width() / kTwipsPerPixel,
                                element.height() / kTwipsPerPixel))
        fitText(element);
      break;
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
      if (element.layout().kind == Kind::TextBox) settleKeyboard();
      break;
    }
  }
}

void WebPlatform::showFront() {
  if (ending()) return;
  Form* front = runtime_->front();
  // With no window in front (for the instant between a hide and a show) the picture stays.
  if (!front) return;
  const int id = formId(*front);
  if (id == displayed_) return;
  displayed_ = id;
  brivazon_show_form(id);
  // A window's texts are measured where they are drawn: its own were not while it was away.
  for (const Element* e : front->elements())
    fitText(*e);
}

void WebPlatform::fitText(const Element& element) {
  const int form = formId(element.form());
  if (form < 0 || form != displayed_ || !element.visible()) return;
  const int index = element.index();
  const int natural = fontPixels(element.layout().font);
  // A box being typed in keeps its size; one that shows a phrase shows all of it.
  const bool box = element.layout().kind == Kind::TextBox;
  const Room room = captionRoom(element);
  int size = natural;
  // A caption that does not fit its box is shrunk and drawn in its room alone, as the
  // desktop draws it; below the room's least size it is cut short.
  bool shrunk = false;
  bool cut = false;
  if (!box || !static_cast<const TextBox&>(element).enabled()) {
    auto fits = [&](int pixels, bool inRoom) {
      return brivazon_fits(form, index, pixels, inRoom, room.left, room.width, room.height);
    };
    shrunk = fits(natural, false) == 0;
    if (shrunk) {
      size = largestFittingSize(natural, room.smallest,
                                [&](int pixels) { return fits(pixels, true) != 0; });
      cut = fits(size, true) == 0;
    }
  }
  brivazon_font_size(form, index, size, shrunk, room.left, room.width, room.height, cut);
}

void WebPlatform::followTable() {
  // Only a change of state can change the table: ticks that changed nothing cost nothing here.
  if (ending() || runtime_->version() == tableVersion_) return;
  tableVersion_ = runtime_->version();
  Table table = runtime_->table();
  // The box may take the keyboard after its prompt came: named whenever it has the keyboard.
  if (focused_ >= 0) brivazon_box_name(focused_ / 1000, focused_ % 1000, table.boxName.c_str());
  if (table == table_) return;
  // One text per line, in the game's order (a caption never holds a line break of its own).
  std::string texts;
  for (const Spoken& s : table.spoken) {
    if (!texts.empty()) texts += '\n';
    texts += s.text;
  }
  brivazon_reading(table.screen.c_str(), texts.c_str(), static_cast<int>(texts.size()));
  for (const Announcement& a : announcer_.update(table))
    brivazon_announce(a.text.c_str(), static_cast<int>(a.text.size()), a.urgent);
  table_ = std::move(table);
}

void WebPlatform::settleKeyboard() {
  if (ending()) return;
  TextBox* box = runtime_->keyboardBox();
  const int target = box ? formId(box->form()) * 1000 + box->index() : -1;
  if (target == focused_) return;
  focused_ = target;
  brivazon_focus(target < 0 ? -1 : target / 1000, target < 0 ? -1 : target % 1000);
}

}  // namespace ui::web
