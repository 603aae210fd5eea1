// The configurator's look at the joysticks while it asks for a control: SDL's joystick
// subsystem alone (no video, no event queue), polled by the caller's timer only while the
// question is open, numbered as the frontend numbers them.
#pragma once

#include <map>
#include <memory>
#include <optional>

#include "platform/joysticks.h"

namespace platform {

struct JoystickPush {
  enum class Kind { Button, Hat, Axis };
  Kind kind = Kind::Button;
  int index = 0;
  int direction = 0;  // hat: SDL's bit (1 up, 2 right, 4 down, 8 left); axis: -1 or +1
  JoystickIdentity device;
};

class JoystickWatch {
 public:
  JoystickWatch();  // every joystick connected now is opened, later ones at their first Poll
  ~JoystickWatch();
  JoystickWatch(const JoystickWatch&) = delete;
  JoystickWatch& operator=(const JoystickWatch&) = delete;

  // The first control pushed since the last look: a button down, a hat turned from its
  // centre, an axis past half its range. What is held when a device is opened is rest.
  std::optional<JoystickPush> Poll();

 private:
  struct Device;
  bool started_ = false;
  std::map<int, std::unique_ptr<Device>> devices_;
};

}  // namespace platform
