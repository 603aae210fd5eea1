#include "platform/joystick_capture.h"

#include "platform/joysticks_native.h"

#include <SDL.h>

#include <algorithm>
#include <vector>

namespace platform {

namespace {
constexpr int kPushedAt = 16384;  // half an axis' range, as the frontend
constexpr int kHatBits[] = {1, 2, 4, 8};

int AxisDirection(int value) { return value <= -kPushedAt ? -1 : value >= kPushedAt ? 1 : 0; }
}  // namespace

struct JoystickWatch::Device {
  SDL_Joystick* handle = nullptr;
  JoystickIdentity identity;
  std::vector<int> axes;  // directions
  std::vector<int> hats;
  std::vector<bool> buttons;

  // Compares with the last look; the first push found, and every control's new state kept.
  std::optional<JoystickPush> Look() {
    std::optional<JoystickPush> push;
    auto found = [&](JoystickPush::Kind kind, int index, int direction) {
      if (!push) push = JoystickPush{kind, index, direction, identity};
    };
    for (int b = 0; b < static_cast<int>(buttons.size()); ++b) {
      const bool down = SDL_JoystickGetButton(handle, b) != 0;
      if (down && !buttons[b]) found(JoystickPush::Kind::Button, b, 0);
      buttons[b] = down;
    }
    for (int h = 0; h < static_cast<int>(hats.size()); ++h) {
      const int bits = SDL_JoystickGetHat(handle, h);
      for (int bit : kHatBits)
        if ((bits & bit) && !(hats[h] & bit)) found(JoystickPush::Kind::Hat, h, bit);
      hats[h] = bits;
    }
    for (int a = 0; a < static_cast<int>(axes.size()); ++a) {
      const int direction = AxisDirection(SDL_JoystickGetAxis(handle, a));
      if (direction != 0 && direction != axes[a]) found(JoystickPush::Kind::Axis, a, direction);
      axes[a] = direction;
    }
    return push;
  }
};

JoystickWatch::JoystickWatch() {
  SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");  // the frontend's numbering
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  started_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
  // States are read here; nothing reads SDL's queue in the configurator.
  if (started_) SDL_JoystickEventState(SDL_IGNORE);
  Poll();
}

JoystickWatch::~JoystickWatch() {
  for (auto& [id, d] : devices_) SDL_JoystickClose(d->handle);
  if (started_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

std::optional<JoystickPush> JoystickWatch::Poll() {
  if (!started_) return std::nullopt;
  SDL_JoystickUpdate();
  std::optional<JoystickPush> push;
  for (auto it = devices_.begin(); it != devices_.end();) {
    if (!SDL_JoystickGetAttached(it->second->handle)) {
      SDL_JoystickClose(it->second->handle);
      it = devices_.erase(it);
      continue;
    }
    if (auto p = it->second->Look(); p && !push) push = p;
    ++it;
  }
  for (int i = 0; i < SDL_NumJoysticks(); ++i) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(i);
    if (id < 0 || devices_.count(id)) continue;
    SDL_Joystick* j = SDL_JoystickOpen(i);
    if (!j) continue;
    auto d = std::make_unique<Device>();
    d->handle = j;
    d->identity = IdentityOfJoystick(j);
    d->axes.assign(static_cast<std::size_t>(std::max(0, SDL_JoystickNumAxes(j))), 0);
    d->hats.assign(static_cast<std::size_t>(std::max(0, SDL_JoystickNumHats(j))), 0);
    d->buttons.assign(static_cast<std::size_t>(std::max(0, SDL_JoystickNumButtons(j))), false);
    d->Look();  // its state now is rest
    devices_[id] = std::move(d);
  }
  return push;
}

}  // namespace platform
