// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The announcements: what came into view or changed since the last description of the table.
#include "ui/announcer.h"

#include <algorithm>

#include "ui/element.h"
#include "ui/layout.h"

namespace ui {

bool onScreen(const Element& e) {
  if (!e.visible()) return false;
  const bool empty = e.layout().kind == Kind::Label ? static_cast<const Label&>(e).caption().empty()
                                                    : static_cast<const TextBox&>(e).text().empty();
  if (empty) return false;
  constexpr float kWidth = 640 * kTwipsPerPixel, kHeight = 480 * kTwipsPerPixel;
  const float left = std::min(e.left(), e.left() + e.width());
  const float top = std::min(e.top(), e.top() + e.height());
  const float right = std::max(e.left(), e.left() + e.width());
  const float bottom = std::max(e.top(), e.top() + e.height());
  return right > 0 && bottom > 0 && left < kWidth && top < kHeight && right > left && bottom > top;
}

namespace {

// Pieces said in one breath: each ends as a sentence, so that a reader pauses between them.
void append(std::string& to, const std::string& piece) {
  if (!to.empty()) {
    const char last = to.back();
    if (last != '.' && last != '!' && last != '?' && last != ':') to += '.';
    to += ' ';
  }
  to += piece;
}

}  // namespace

std::vector<Announcement> Announcer::update(const Table& table) {
  std::string ordinary, urgent;
  std::vector<Said> now;
  for (const Spoken& s : table.spoken) {
    now.push_back({s.element, s.text});
    if (s.voice == Voice::Read) continue;
    // A kept text is compared with what was said of it last, however long it was away.
    auto& memory = s.voice == Voice::Kept ? kept_ : said_;
    const auto before = std::find_if(memory.begin(), memory.end(),
                                     [&](const Said& p) { return p.element == s.element; });
    if (before != memory.end() && (s.voice == Voice::Shown || before->text == s.text)) continue;
    if (s.voice == Voice::Kept) {
      if (before != memory.end()) memory.erase(before);
      kept_.push_back({s.element, s.text});
    }
    append(s.voice == Voice::Urgent ? urgent : ordinary, s.text);
  }
  said_ = std::move(now);
  std::vector<Announcement> out;
  if (!ordinary.empty()) out.push_back({std::move(ordinary), false});
  if (!urgent.empty()) out.push_back({std::move(urgent), true});
  return out;
}

}  // namespace ui
