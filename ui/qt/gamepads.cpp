// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading pads through SDL's game-controller subsystem and turning their buttons into the
// game's keys.
#include "ui/qt/gamepads.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <utility>

namespace ui::qt {

namespace {

// What each button stands for; a seat's buzz key comes from the seat the pad holds.
enum class Means { Nothing, Buzz, Enter, Digit };
struct ButtonKey {
  SDL_GameControllerButton button;
  Means means;
  char32_t digit;
};

// The face buttons and the D-pad read like a page: top 1, left 2, right 3, bottom 4.
constexpr std::array<ButtonKey, 11> kButtons{{
    {SDL_CONTROLLER_BUTTON_Y, Means::Digit, U'1'},
    {SDL_CONTROLLER_BUTTON_X, Means::Digit, U'2'},
    {SDL_CONTROLLER_BUTTON_B, Means::Digit, U'3'},
    {SDL_CONTROLLER_BUTTON_A, Means::Digit, U'4'},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, Means::Digit, U'1'},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, Means::Digit, U'2'},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, Means::Digit, U'3'},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, Means::Digit, U'4'},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, Means::Buzz, 0},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, Means::Buzz, 0},
    {SDL_CONTROLLER_BUTTON_START, Means::Enter, 0},
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

void Gamepads::setSeats(std::vector<char32_t> buzzKeys) {
  if (buzzKeys == seats_) return;
  seats_ = std::move(buzzKeys);
  for (Pad& pad : pads_)
    if (std::find(seats_.begin(), seats_.end(), pad.seat) == seats_.end()) pad.seat = 0;
  assignSeats();
}

void Gamepads::assignSeats() {
  for (Pad& pad : pads_) {
    if (pad.seat) continue;
    for (char32_t seat : seats_) {
      const bool taken =
          std::any_of(pads_.begin(), pads_.end(), [&](const Pad& p) { return p.seat == seat; });
      if (taken) continue;
      pad.seat = seat;
      break;
    }
  }
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
            for (const ButtonKey& b : kButtons) {
              if (b.button != e.cbutton.button) continue;
              if (b.means == Means::Digit) keys.push_back(Key::character(b.digit));
              if (b.means == Means::Enter) keys.push_back(Key::enter());
              if (b.means == Means::Buzz && pad.seat) keys.push_back(Key::character(pad.seat));
            }
          } else {
            const int side = e.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT    ? 0
                             : e.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT ? 1
                                                                                : -1;
            if (side >= 0) {
              bool& down = pad.triggers[side];
              if (!down && e.caxis.value > kTriggerDown) {
                down = true;
                if (pad.seat) keys.push_back(Key::character(pad.seat));
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
  assignSeats();
}

void Gamepads::removed(int id) {
  auto it = std::find_if(pads_.begin(), pads_.end(), [&](const Pad& p) { return p.id == id; });
  if (it == pads_.end()) return;
  SDL_GameControllerClose(sdl(it->controller));
  pads_.erase(it);
  // A pad waiting without a seat takes the one this pad left.
  assignSeats();
}

void Gamepads::schedule() {
  const int wanted = pads_.empty() ? kIdleMs : kPollMs;
  if (!timer_.isActive() || timer_.interval() != wanted) timer_.start(wanted);
}

std::vector<int> Gamepads::padIds() const {
  std::vector<int> ids;
  for (const Pad& pad : pads_)
    ids.push_back(pad.id);
  return ids;
}

char32_t Gamepads::seatOf(int padId) const {
  for (const Pad& pad : pads_)
    if (pad.id == padId) return pad.seat;
  return 0;
}

}  // namespace ui::qt
