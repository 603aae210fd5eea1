// Joysticks, gamepads and arcade encoders through SDL's joystick API (any device with
// buttons, axes or hats; no mapping database). Devices arrive and leave as window events
// (JoyAdded / JoyRemoved, platform/window.h), which open and close them; their controls
// follow as JoyButton, JoyHat and JoyAxis events in the same queue as the keys.
//
// Once a joystick is open SDL would poll the event queue every millisecond; here SDL
// leaves the joysticks alone while the queue waits, and a thread of ours watches the
// devices' event nodes and wakes the queue when one of them has something to say.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct JoystickIdentity {
  std::string physicalPath;  // the port it is plugged into (udev's ID_PATH); empty when unknown
  std::string guid;          // SDL's GUID as 32 hex digits
  std::string name;
  std::string node;          // its event node (/dev/input/eventN); empty for virtual devices
};

// Starts the joystick subsystem: every device already connected arrives as a JoyAdded
// event. False when SDL has no joystick support here (the menu then runs on keys).
bool StartJoysticks();
void StopJoysticks();
bool JoysticksStarted();

// Before a game: every joystick closed, so that the emulator may take a device for itself.
void CloseJoysticks();
// After it: every connected joystick opened again (no JoyAdded for them); their ids.
std::vector<int> ReopenJoysticks();

// What is known of an open joystick; nothing for an id that is not open.
std::optional<JoystickIdentity> JoystickIdentityOf(int id);

// The current state of an open joystick's controls (the state it was opened in counts
// as rest, not as a press).
struct JoystickState {
  std::vector<int> axes;
  std::vector<int> hats;     // SDL hat bits: 1 up, 2 right, 4 down, 8 left
  std::vector<bool> buttons;
};
JoystickState JoystickStateOf(int id);

// The port of an event node as udev names it (ID_PATH), or the sysfs path of its USB
// interface when udev keeps no record (a container); empty when neither is known.
std::string PhysicalPathOfNode(const std::string& node);

// SDL's Linux driver numbers a device's buttons by their kernel key codes: those from
// BTN_JOYSTICK up first, then those below it, each in increasing order. The key codes a
// device has, in the order of SDL's button numbers.
std::vector<int> ButtonCodesInSdlOrder(std::vector<int> deviceCodes);
// The kernel key code of SDL's button `button` of the device at `node`; -1 when unknown.
int JoystickButtonCode(const std::string& node, int button);

// How a held key repeats in the window system: first delay and interval in ms.
struct KeyRepeat {
  std::uint32_t delayMs = 660;
  std::uint32_t intervalMs = 40;
};
KeyRepeat KeyboardRepeat();

}  // namespace platform
