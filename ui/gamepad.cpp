// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pads' seats, their buttons' keys, and where a pad's key goes.
#include "ui/gamepad.h"

#include <algorithm>
#include <array>

#include "ui/form.h"
#include "ui/runtime.h"

namespace ui {

PadButton standardButton(int index) {
  // 0 bottom, 1 right, 2 left, 3 top, 4-5 shoulders, 6-7 triggers, 8 back, 9 start, 10-11 the
  // sticks, 12-15 the D-pad up, down, left, right.
  static constexpr std::array<PadButton, 16> kStandard{
      PadButton::FaceBottom, PadButton::FaceRight, PadButton::FaceLeft, PadButton::FaceTop,
      PadButton::Shoulder,   PadButton::Shoulder,  PadButton::Trigger,  PadButton::Trigger,
      PadButton::None,       PadButton::Start,     PadButton::None,     PadButton::None,
      PadButton::Up,         PadButton::Down,      PadButton::Left,     PadButton::Right,
  };
  return index >= 0 && index < static_cast<int>(kStandard.size())
             ? kStandard[static_cast<std::size_t>(index)]
             : PadButton::None;
}

void PadSeats::connected(int pad) {
  // A pad announced once more (as a pad library may when it starts) keeps its place.
  if (std::any_of(pads_.begin(), pads_.end(), [&](const Pad& p) { return p.id == pad; })) return;
  pads_.push_back({pad});
  assign();
}

void PadSeats::disconnected(int pad) {
  std::erase_if(pads_, [&](const Pad& p) { return p.id == pad; });
  // A pad waiting without a seat takes the one this pad left.
  assign();
}

void PadSeats::follow(const Table& table) {
  std::vector<char32_t> seats;
  for (const Seat& seat : table.seats)
    seats.push_back(seat.buzzKey);
  if (seats == seats_) return;
  seats_ = std::move(seats);
  for (Pad& pad : pads_)
    if (std::find(seats_.begin(), seats_.end(), pad.seat) == seats_.end()) pad.seat = 0;
  assign();
}

void PadSeats::assign() {
  for (Pad& pad : pads_) {
    if (pad.seat) continue;
    for (char32_t seat : seats_) {
      if (std::any_of(pads_.begin(), pads_.end(), [&](const Pad& p) { return p.seat == seat; }))
        continue;
      pad.seat = seat;
      break;
    }
  }
}

std::optional<Key> PadSeats::keyOf(int pad, PadButton button) const {
  const auto it =
      std::find_if(pads_.begin(), pads_.end(), [&](const Pad& p) { return p.id == pad; });
  if (it == pads_.end()) return std::nullopt;
  const char32_t seat = it->seat;
  switch (button) {
    case PadButton::FaceTop:
    case PadButton::Up:
      return Key::character(U'1');
    case PadButton::FaceLeft:
    case PadButton::Left:
      return Key::character(U'2');
    case PadButton::FaceRight:
    case PadButton::Right:
      return Key::character(U'3');
    case PadButton::FaceBottom:
    case PadButton::Down:
      return Key::character(U'4');
    case PadButton::Shoulder:
    case PadButton::Trigger:
      if (seat) return Key::character(seat);
      return std::nullopt;
    case PadButton::Start:
      return Key::enter();
    case PadButton::None:
      break;
  }
  return std::nullopt;
}

std::vector<int> PadSeats::pads() const {
  std::vector<int> ids;
  for (const Pad& pad : pads_)
    ids.push_back(pad.id);
  return ids;
}

char32_t PadSeats::seatOf(int pad) const {
  for (const Pad& p : pads_)
    if (p.id == pad) return p.seat;
  return 0;
}

bool padClosesBox(Key key) {
  return key.kind == Key::Kind::Enter;
}

void padKeyPress(Runtime& runtime, Key key) {
  Form* front = runtime.front();
  if (front && !runtime.keyboardBox()) runtime.windowKeyPress(*front, key.keyAscii());
}

}  // namespace ui
