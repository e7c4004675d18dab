// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Design-time descriptions of windows, labels, text boxes and timers.
//
// A window is built from one constant table of these rows: every element's name, caption,
// geometry in twips, colours, font, alignment and flags, and every timer's interval. The
// toolkit-free elements read their starting properties from here, and the Qt backend paints
// from the same rows, so nothing repeats geometry, colours or texts in code.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ui {

struct Color {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend constexpr bool operator==(Color, Color) = default;
};

enum class Kind : std::uint8_t { Label, TextBox };
enum class Align : std::uint8_t { Left, Centre };

// A font as the layout names it. An empty face means the windowing layer's default face and
// size; weight follows the usual scale (400 normal, 600 semibold, 700 bold).
struct FontStyle {
  std::string_view face;
  float points = 0;
  int weight = 400;
  bool italic = false;
};

struct ElementLayout {
  std::string_view name{};
  Kind kind = Kind::Label;
  std::string_view caption{};
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
  std::optional<Color> back{};  // nullopt: the system's default colour
  std::optional<Color> fore{};  // nullopt: the system's window-text colour
  FontStyle font{};
  Align align = Align::Left;
  bool visible = true;
  bool autoSize = false;
  bool wordWrap = false;
};

struct TimerLayout {
  std::string_view name{};
  bool enabled = false;
  int interval = 0;
};

// A rectangle of a window, in twips.
struct Area {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
  friend constexpr bool operator==(const Area&, const Area&) = default;
};

struct FormLayout {
  std::string_view name{};
  std::string_view caption{};
  Color back;
  std::span<const ElementLayout> elements;  // in the order the window holds them
  std::span<const TimerLayout> timers;      // in the order same-instant ties fire
  int rank = 0;                             // windows earlier in rank fire their timers first
  // Where a message box stands while this window is in front, clear of what a player must still
  // see meanwhile; an empty area centres it on the window.
  Area messageArea{};
};

// Twips per logical pixel at 96 dots per inch.
inline constexpr float kTwipsPerPixel = 15.0f;
// The screen every window is laid out on, in logical pixels (9600 x 7200 twips).
inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

}  // namespace ui
