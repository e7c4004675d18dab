// Playing a shot list on the headless game and painting its windows and message boxes.
#include "tools/screenshots/shots.h"

#include <QMessageBox>
#include <QPainter>
#include <set>
#include <sstream>

#include "sim/driver.h"
#include "ui/element.h"
#include "ui/form.h"
#include "ui/qt/fonts.h"
#include "ui/qt/form_view.h"

namespace shots {

namespace {

QString fromUtf8(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The height of the title bar drawn over a box, and of its frame.
constexpr int kTitleBar = 26;
constexpr int kFrame = 1;

}  // namespace

QImage withMessageBox(const QImage& scene, const QString& title, const QString& text) {
  // The dialog the game opens, painted without a window system's frame; the frame and title
  // bar are drawn around it here, as a desktop would.
  QMessageBox box;
  box.setAttribute(Qt::WA_DontShowOnScreen);
  box.setTextFormat(Qt::PlainText);
  box.setIcon(QMessageBox::NoIcon);
  box.setText(text);
  box.setStandardButtons(QMessageBox::Ok);
  box.show();
  const QImage content = box.grab().toImage();
  box.hide();

  QImage out = scene.convertToFormat(QImage::Format_RGB32);
  const qreal dpr = content.devicePixelRatio();
  const QSize size = (QSizeF(content.size()) / dpr).toSize();
  const QRect outer((out.width() - size.width()) / 2 - kFrame,
                    (out.height() - size.height() - kTitleBar) / 2 - kFrame,
                    size.width() + 2 * kFrame, size.height() + kTitleBar + 2 * kFrame);
  QPainter painter(&out);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(outer.translated(3, 3), QColor(0, 0, 0, 70));
  painter.fillRect(outer, QColor(60, 60, 66));
  const QRect bar(outer.left() + kFrame, outer.top() + kFrame, size.width(), kTitleBar);
  QFont titleFont = box.font();
  titleFont.setBold(true);
  painter.setFont(titleFont);
  painter.setPen(Qt::white);
  painter.drawText(bar, Qt::AlignCenter, title);
  painter.drawImage(QRect(bar.bottomLeft() + QPoint(0, 1), size), content);
  return out;
}

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
        image = withMessageBox(image, fromUtf8(std::string_view(box).substr(0, bar)),
                               fromUtf8(std::string_view(box).substr(bar + 1)));
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
