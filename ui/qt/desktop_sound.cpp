// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bell through the desktop's event-sound library, with the toolkit's beep to fall back on.
#include "ui/qt/desktop_sound.h"

#include <canberra.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace ui::qt {

namespace {

// The sound theme's name for the warning every desktop plays.
constexpr char kBellEvent[] = "bell";

}  // namespace

bool soundOutputLikely() {
  if (!qEnvironmentVariableIsEmpty("PULSE_SERVER")) return true;
  // Read directly: asking Qt for the runtime folder creates one (and warns) where it is missing.
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty()) {
    if (QFileInfo::exists(runtime + QStringLiteral("/pulse/native"))) return true;
    if (QFileInfo::exists(runtime + QStringLiteral("/pipewire-0"))) return true;
  }
  const QDir cards(QStringLiteral("/dev/snd"));
  return !cards.entryList({QStringLiteral("pcmC*p")}, QDir::System).isEmpty();
}

DesktopSound::DesktopSound(std::string driver) : driver_(std::move(driver)) {}

DesktopSound::~DesktopSound() {
  if (context_) ca_context_destroy(context_);
}

bool DesktopSound::open() {
  if (context_) return true;
  if (unavailable_) return false;
  // Decided once: the first bell of a machine without sound must not be followed by a
  // library retrying (and printing) on every later one.
  unavailable_ = true;
  if (driver_.empty() && !soundOutputLikely()) return false;
  if (ca_context_create(&context_) != CA_SUCCESS) {
    context_ = nullptr;
    return false;
  }
  const bool ready =
      (driver_.empty() || ca_context_set_driver(context_, driver_.c_str()) == CA_SUCCESS) &&
      ca_context_change_props(
          context_, CA_PROP_APPLICATION_NAME, "Brivazon", CA_PROP_APPLICATION_ID, BRIVAZON_APP_ID,
          CA_PROP_APPLICATION_ICON_NAME, BRIVAZON_APP_ID, nullptr) == CA_SUCCESS &&
      ca_context_open(context_) == CA_SUCCESS;
  if (!ready) {
    ca_context_destroy(context_);
    context_ = nullptr;
    return false;
  }
  unavailable_ = false;
  return true;
}

DesktopSound::Outcome DesktopSound::bell() {
  // The library plays asynchronously; the sample stays cached in the sound server, so a bell
  // that follows soon after costs nothing.
  if (open() && ca_context_play(context_, 0, CA_PROP_EVENT_ID, kBellEvent,
                                CA_PROP_EVENT_DESCRIPTION, "Brivazon",
                                CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr) == CA_SUCCESS)
    return Outcome::Played;
  QApplication::beep();
  return Outcome::Fallback;
}

}  // namespace ui::qt
