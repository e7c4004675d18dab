// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the layout rows of both windows as JSON, field for field, geometry in twips.
#include "sim/inventory_json.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>

#include "game/inventory.h"
#include "ui/numeric.h"

namespace sim {

namespace {

void string(std::ostream& out, std::string_view text) {
  out << '"';
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out << '\\' << c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      std::array<char, 8> code{};
      std::snprintf(code.data(), code.size(), "\\u%04x", static_cast<unsigned>(c));
      out << code.data();
    } else {
      out << c;  // UTF-8 passes through: JSON text is UTF-8
    }
  }
  out << '"';
}

// The game's own number text, which every compiler the game is built with gives alike.
void number(std::ostream& out, float value) {
  out << ui::NumText::single(value).view();
}

void colour(std::ostream& out, std::optional<ui::Color> c) {
  if (!c) {
    out << "null";
    return;
  }
  out << '[' << int{c->r} << ", " << int{c->g} << ", " << int{c->b} << ']';
}

const char* flag(bool b) {
  return b ? "true" : "false";
}

// A rectangle in twips as JSON members: "left", "top", "width", "height".
void geometry(std::ostream& out, float left, float top, float width, float height) {
  const std::pair<const char*, float> members[] = {
      {"left", left}, {"top", top}, {"width", width}, {"height", height}};
  const char* sep = "";
  for (const auto& [key, value] : members) {
    out << sep << '"' << key << "\": ";
    number(out, value);
    sep = ", ";
  }
}

void element(std::ostream& out, const ui::ElementLayout& e) {
  out << "{\"name\": ";
  string(out, e.name);
  out << ", \"kind\": " << (e.kind == ui::Kind::Label ? "\"Label\"" : "\"TextBox\"");
  out << ", \"caption\": ";
  string(out, e.caption);
  out << ", ";
  geometry(out, e.left, e.top, e.width, e.height);
  out << ", \"back\": ";
  colour(out, e.back);
  out << ", \"fore\": ";
  colour(out, e.fore);
  out << ", \"font\": {\"face\": ";
  string(out, e.font.face);
  out << ", \"points\": ";
  number(out, e.font.points);
  out << ", \"weight\": " << e.font.weight << ", \"italic\": " << flag(e.font.italic) << '}';
  out << ", \"alignment\": " << (e.align == ui::Align::Left ? "\"Left\"" : "\"Centre\"");
  out << ", \"visible\": " << flag(e.visible) << ", \"autoSize\": " << flag(e.autoSize)
      << ", \"wordWrap\": " << flag(e.wordWrap) << '}';
}

void form(std::ostream& out, const ui::FormLayout& f) {
  out << "    {\"name\": ";
  string(out, f.name);
  out << ", \"caption\": ";
  string(out, f.caption);
  out << ", \"back\": ";
  colour(out, f.back);
  const ui::Area& a = f.messageArea;
  out << ",\n     \"messageArea\": {";
  geometry(out, a.left, a.top, a.width, a.height);
  out << "},\n     \"elements\": [";
  const char* sep = "\n      ";
  for (const auto& e : f.elements) {
    out << sep;
    element(out, e);
    sep = ",\n      ";
  }
  out << "],\n     \"timers\": [";
  sep = "\n      ";
  for (const auto& t : f.timers) {
    out << sep << "{\"name\": ";
    string(out, t.name);
    out << ", \"enabled\": " << flag(t.enabled) << ", \"interval\": " << t.interval << '}';
    sep = ",\n      ";
  }
  out << "]}";
}

}  // namespace

void writeInventory(std::ostream& out) {
  out << "{\n  \"twipsPerPixel\": ";
  number(out, ui::kTwipsPerPixel);
  out << ",\n  \"forms\": [\n";
  form(out, game::kFrmGame);
  out << ",\n";
  form(out, game::kFrmBlack);
  out << "\n  ],\n  \"colours\": {";
  // The colours handlers paint at run time, which no starting row holds.
  const std::pair<const char*, ui::Color> colours[] = {
      {"round1", game::kRound1Colour}, {"round2", game::kRound2Colour},
      {"final", game::kFinalColour},   {"right", game::kGreen},
      {"wrong", game::kRed},           {"choice", game::kYellowChoice},
      {"score", game::kScoreRest},     {"textBox", game::kWhiteBox},
  };
  const char* sep = "\n    ";
  for (const auto& [name, c] : colours) {
    out << sep << '"' << name << "\": ";
    colour(out, c);
    sep = ",\n    ";
  }
  out << "\n  }\n}\n";
}

}  // namespace sim
