// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game: the Qt application, the one window, the game started in it, the event loop run
// until the game ends.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "game/brivazon.h"
#include "ui/qt/qt_platform.h"

namespace {

bool isSet(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// Whether Qt would look for a desktop session: no platform named, or only X11 and Wayland
// ones ("wayland;xcb", "xcb:option"). Offscreen, VNC and framebuffer platforms need none.
bool needsDesktop() {
  const char* platforms = std::getenv("QT_QPA_PLATFORM");
  if (!platforms || !*platforms) return true;
  std::string_view rest(platforms);
  while (!rest.empty()) {
    const std::size_t end = rest.find(';');
    const std::string_view name = rest.substr(0, end);
    if (!name.empty() && !name.starts_with("xcb") && !name.starts_with("wayland")) return false;
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return true;
}

constexpr const char* kUsage =
    "usage: brivazon [Qt options]\n"
    "Brivazon takes no options of its own. The standard options of Qt apply, such as\n"
    "-platform NAME to choose the window system. See brivazon(6).\n";

}  // namespace

int main(int argc, char** argv) {
  // Asking for help needs no display.
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  // Without this, Qt's only word would be an abort about a platform plugin.
  if (needsDesktop() && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
    std::fputs(
        "brivazon: no display found: run the game inside a desktop session "
        "(DISPLAY or WAYLAND_DISPLAY is not set)\n",
        stderr);
    return 1;
  }

  // Qt takes its own options out of argc and argv; whatever is left is not understood.
  QApplication app(argc, argv);
  if (argc > 1) {
    std::fprintf(stderr, "brivazon: unknown option '%s'\n", argv[1]);
    std::fputs(kUsage, stderr);
    return 2;
  }
  QApplication::setApplicationName(QStringLiteral("brivazon"));
  // The desktop matches the window to its desktop entry by this name, and shows its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(BRIVAZON_APP_ID));
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/brivazon/icon/" BRIVAZON_APP_ID "-%1.png").arg(size));
  QApplication::setWindowIcon(icon);

  ui::qt::QtRuntime qt;
  game::Brivazon game(qt.runtime());
  qt.platform().enter([&] { game.start(); });
  if (qt.runtime().ending()) return 0;
  qt.platform().showWindow();
  QApplication::exec();
  return 0;
}
