// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading pads through SDL's game-controller subsystem; the keys their buttons stand for are
// the shared rule's.
#include "ui/qt/gamepads.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <utility>

namespace ui::qt {

namespace {

// SDL's buttons by their place; the triggers are axes, read apart.
constexpr std::array<std::pair<SDL_GameControllerButton, PadButton>, 11> kButtons{{
    {SDL_CONTROLLER_BUTTON_Y, PadButton::FaceTop},
    {SDL_CONTROLLER_BUTTON_X, PadButton::FaceLeft},
    {SDL_CONTROLLER_BUTTON_B, PadButton::FaceRight},
    {SDL_CONTROLLER_BUTTON_A, PadButton::FaceBottom},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadButton::Up},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadButton::Left},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadButton::Right},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadButton::Down},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PadButton::Shoulder},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PadButton::Shoulder},
    {SDL_CONTROLLER_BUTTON_START, PadButton::Start},
}};

// A trigger is down past half its travel and up again below a quarter, so a trigger resting
// near the middle cannot buzz twice.
constexpr int kTriggerDown = SDL_JOYSTICK_AXIS_MAX / 2;
constexpr int kTriggerUp = SDL_JOYSTICK_AXIS_MAX / 4;

SDL_GameController* sdl(void* controller) {
  return static_cast<SDL_GameController*>(controller);
}

}  // namespace

Gamepads::Gamepads(std::function<void(Key)> press) : press_(std::move(press)) {
  // SDL stays out of the application's signals and reads pads without a window of its own.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  available_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  if (!available_) return;
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
  poll();
}

Gamepads::~Gamepads() {
  if (!available_) return;
  timer_.stop();
  for (Pad& pad : pads_)
    SDL_GameControllerClose(sdl(pad.controller));
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void Gamepads::poll() {
  if (!available_) return;
  SDL_Event e;
  std::vector<Key> keys;
  while (SDL_PollEvent(&e)) {
    switch (e.type) {
      case SDL_CONTROLLERDEVICEADDED:
        added(e.cdevice.which);
        break;
      case SDL_CONTROLLERDEVICEREMOVED:
        removed(e.cdevice.which);
        break;
      case SDL_CONTROLLERBUTTONDOWN:
      case SDL_CONTROLLERAXISMOTION:
        for (Pad& pad : pads_) {
          if (pad.id != e.cbutton.which) continue;
          if (e.type == SDL_CONTROLLERBUTTONDOWN) {
            for (const auto& [button, place] : kButtons) {
              if (button != e.cbutton.button) continue;
              if (const auto key = seats_.keyOf(pad.id, place)) keys.push_back(*key);
            }
          } else {
            const int side = e.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT    ? 0
                             : e.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT ? 1
                                                                                : -1;
            if (side >= 0) {
              bool& down = pad.triggers[side];
              if (!down && e.caxis.value > kTriggerDown) {
                down = true;
                if (const auto key = seats_.keyOf(pad.id, PadButton::Trigger)) keys.push_back(*key);
              } else if (down && e.caxis.value < kTriggerUp) {
                down = false;
              }
            }
          }
        }
        break;
      default:
        break;
    }
  }
  schedule();
  // Each key goes out once this look is over: its handler may wait in a message box for
  // minutes, and the pads must be read meanwhile (Qt never fires a timer again while its own
  // timeout is running), or Start could not close the box.
  for (Key k : keys)
    QMetaObject::invokeMethod(
        &timer_, [this, k] { press_(k); }, Qt::QueuedConnection);
}

void Gamepads::added(int deviceIndex) {
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (!controller) return;
  const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
  // SDL announces a pad already open once more when the subsystem starts.
  for (const Pad& pad : pads_)
    if (pad.id == id) {
      SDL_GameControllerClose(controller);
      return;
    }
  pads_.push_back({controller, id});
  seats_.connected(id);
}

void Gamepads::removed(int id) {
  auto it = std::find_if(pads_.begin(), pads_.end(), [&](const Pad& p) { return p.id == id; });
  if (it == pads_.end()) return;
  SDL_GameControllerClose(sdl(it->controller));
  pads_.erase(it);
  seats_.disconnected(id);
}

void Gamepads::schedule() {
  const int wanted = pads_.empty() ? kIdleMs : kPollMs;
  if (!timer_.isActive() || timer_.interval() != wanted) timer_.start(wanted);
}

}  // namespace ui::qt
