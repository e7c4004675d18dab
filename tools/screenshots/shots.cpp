// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing a shot list on the headless game and painting its windows and message boxes.
#include "tools/screenshots/shots.h"

#include <set>
#include <sstream>

#include "sim/driver.h"
#include "ui/element.h"
#include "ui/form.h"
#include "ui/qt/fonts.h"
#include "ui/qt/form_view.h"
#include "ui/qt/message_panel.h"
#include "ui/qt/qstring.h"

namespace shots {

bool play(std::istream& list, std::ostream& errors, std::vector<Shot>& shots, double scale) {
  std::ostringstream transcript;
  sim::Driver driver(transcript);
  // Self-sizing captions measured with the real faces, so labels centre as in the window.
  driver.platform().setTextMeasure([](const ui::Label& label, std::string_view text) {
    return ui::qt::captionWidth(label.layout().font, text);
  });

  std::vector<sim::Step> steps;
  std::set<std::string> names;
  int lineNumber = 0;
  std::string failure;
  for (std::string line; std::getline(list, line);) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("shot ", 0) != 0) {
      steps.emplace_back(line);
      continue;
    }
    const std::string name = line.substr(5);
    if (name.empty() || !names.insert(name).second) {
      errors << "line " << lineNumber << ": a shot needs a name of its own\n";
      return false;
    }
    steps.emplace_back([&, name, lineNumber](sim::Driver& d) {
      ui::Form* front = d.runtime().front();
      if (!front) {
        if (failure.empty())
          failure = "line " + std::to_string(lineNumber) + ": no window is shown for " + name;
        return;
      }
      QImage image = ui::qt::renderForm(*front, scale);
      if (d.openBoxes() > 0) {
        const std::string& box = d.messages().back();
        const std::size_t bar = box.find('|');
        image = ui::qt::withMessagePanel(image, front->layout(), scale,
                                         ui::qt::toQString(std::string_view(box).substr(0, bar)),
                                         ui::qt::toQString(std::string_view(box).substr(bar + 1)));
      }
      shots.push_back({name, image});
    });
  }
  if (driver.run(std::move(steps), errors) != 0) return false;
  if (!failure.empty()) {
    errors << failure << '\n';
    return false;
  }
  if (shots.size() != names.size()) {
    errors << "the game ended before its last shot\n";
    return false;
  }
  return true;
}

}  // namespace shots
