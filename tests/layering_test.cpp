// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The layers of the code, read from its #include lines: every folder of the product includes only
// the folders below it (the table here and in the README), no folder includes itself back through
// another, and no file includes itself back through a file of another folder. A header and its
// source count as one unit, so a cycle is one between units. Toolkit headers stay in the Qt
// backend and the application.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "game/inventory.h"

namespace {

namespace fs = std::filesystem;

// Each product folder and the folders it may include besides itself.
const std::map<std::string, std::set<std::string>> kMayInclude{
    {"ui", {}},
    {"ui/headless", {"ui"}},
    {"ui/qt", {"ui"}},
    {"ui/web", {"ui"}},
    {"game", {"ui"}},
    {"players", {"game", "ui"}},
    {"content", {"game", "ui"}},
    {"judging", {"game", "ui"}},
    {"sim", {"game", "ui", "ui/headless"}},
    {"app", {"game", "ui", "ui/qt"}},
    {"web", {"game", "ui", "ui/web"}},
};
// Inside a folder files may know each other, but a backend's renderer and its message panel stand
// below its platform (the picture tool uses them alone): these units never include those.
const std::multimap<std::string, std::string> kNeverIncludes{
    {"ui/qt/form_view", "ui/qt/qt_platform"}, {"ui/qt/message_panel", "ui/qt/qt_platform"}};
// The folders that may include a toolkit.
const std::set<std::string> kToolkit{"ui/qt", "app"};

struct Include {
  std::string from;  // unit: the path without its extension
  std::string to;
  std::string file;
  int line;
};

std::string folderOf(const std::string& unit) {
  return unit.substr(0, unit.rfind('/'));
}

std::string unitOf(std::string path) {
  return path.substr(0, path.rfind('.'));
}

class Layering : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path root = BRIVAZON_SOURCE_DIR;
    const std::regex quoted(R"(^\s*#\s*include\s*"([^"]+)\")");
    const std::regex angled(R"(^\s*#\s*include\s*<(Q[A-Za-z]*|qt[^>]*)>)");
    for (const char* top : {"app", "game", "players", "content", "judging", "ui", "sim", "web"}) {
      for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".cpp" && ext != ".h") continue;
        const std::string file = fs::relative(entry.path(), root).generic_string();
        std::ifstream in(entry.path());
        std::string text;
        for (int line = 1; std::getline(in, text); ++line) {
          std::smatch m;
          if (std::regex_search(text, m, quoted))
            includes.push_back({unitOf(file), unitOf(m[1]), file, line});
          else if (std::regex_search(text, m, angled) && !kToolkit.count(folderOf(file)))
            faults.push_back(file + ":" + std::to_string(line) + " includes the toolkit");
        }
      }
    }
  }

  // The circles of a graph, each once, as "a -> b -> a".
  static std::vector<std::string> cycles(const std::map<std::string, std::set<std::string>>& g) {
    std::vector<std::string> found;
    std::map<std::string, int> state;  // 1 on the path, 2 done
    std::vector<std::string> path;
    std::function<void(const std::string&)> visit = [&](const std::string& n) {
      state[n] = 1;
      path.push_back(n);
      auto it = g.find(n);
      if (it != g.end()) {
        for (const std::string& next : it->second) {
          if (state[next] == 1) {
            std::string c;
            for (auto p = std::find(path.begin(), path.end(), next); p != path.end(); ++p)
              c += *p + " -> ";
            found.push_back(c + next);
          } else if (state[next] == 0) {
            visit(next);
          }
        }
      }
      path.pop_back();
      state[n] = 2;
    };
    for (const auto& [n, edges] : g)
      if (state[n] == 0) visit(n);
    return found;
  }

  std::vector<Include> includes;
  std::vector<std::string> faults;
};

TEST_F(Layering, EveryIncludeGoesDownTheTableAndNoFolderOrFileIncludesItselfBack) {
  ASSERT_GT(includes.size(), 50u) << "the product's sources were not found";
  std::map<std::string, std::set<std::string>> folders, units;
  for (const Include& inc : includes) {
    const std::string from = folderOf(inc.from), to = folderOf(inc.to);
    auto rule = kMayInclude.find(from);
    if (rule == kMayInclude.end())
      faults.push_back(inc.file + ": folder " + from + " is missing from the layering table");
    else if (from != to && !rule->second.count(to))
      faults.push_back(inc.file + ":" + std::to_string(inc.line) + " includes " + inc.to +
                       " against the layering");
    if (from != to) folders[from].insert(to);
    if (inc.from != inc.to) units[inc.from].insert(inc.to);
  }
  for (const std::string& c : cycles(folders))
    faults.push_back("folders include each other: " + c);
  for (const std::string& c : cycles(units)) {
    // A circle of files inside one folder is a tightly knit layer, unless that folder must not
    // hold one.
    std::set<std::string> inside;
    for (std::size_t at = 0; at < c.size();) {
      const std::size_t end = std::min(c.find(" -> ", at), c.size());
      inside.insert(folderOf(c.substr(at, end - at)));
      at = end + 4;
    }
    if (inside.size() > 1) faults.push_back("files include each other: " + c);
  }
  for (const Include& inc : includes)
    for (auto [from, to] = kNeverIncludes.equal_range(inc.from); from != to; ++from)
      if (inc.to == from->second) faults.push_back(inc.file + " includes " + inc.to);
  for (const std::string& f : faults)
    ADD_FAILURE() << f;
}

// What a backend must know of the game it reads from ui::Table: no file of one, the page's script
// included, names a window or an element of the game.
TEST(Backends, NameNoWindowOrElementOfTheGame) {
  std::string names;
  for (const ui::FormLayout* form : {&game::kFrmGame, &game::kFrmBlack}) {
    names += std::string(names.empty() ? "" : "|") + std::string(form->name);
    for (const ui::ElementLayout& e : form->elements)
      names += "|" + std::string(e.name);
  }
  const std::regex named("\\b(" + names + ")\\b");
  for (const char* backend : {"ui/qt", "ui/web", "ui/headless"}) {
    for (const auto& entry : fs::directory_iterator(fs::path(BRIVAZON_SOURCE_DIR) / backend)) {
      std::ifstream in(entry.path());
      const std::string text{std::istreambuf_iterator<char>(in), {}};
      std::smatch m;
      EXPECT_FALSE(std::regex_search(text, m, named)) << entry.path() << " names " << m.str();
    }
  }
}

}  // namespace
