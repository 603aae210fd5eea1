// The joysticks' part of the event queue (platform/window.cpp): never included above platform/.
#pragma once

#include <cstdint>

#include "platform/joysticks.h"

struct _SDL_Joystick;

namespace platform {

// What is known of an open SDL joystick: name, GUID, event node and port.
JoystickIdentity IdentityOfJoystick(_SDL_Joystick* joystick);

// Opens the device SDL announced at `deviceIndex` (once): its id, or -1.
int OpenJoystickAt(int deviceIndex);
// Closes a joystick that SDL reports gone; false when it was not open.
bool CloseJoystickId(int id);
// Reads what the devices reported since the last look (SDL's joystick update), which SDL
// no longer does by itself; nothing before StartJoysticks.
void UpdateJoysticks();
// The event type our watch thread wakes the queue with.
std::uint32_t JoystickWakeEventType();

}  // namespace platform
