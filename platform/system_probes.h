// Read-only looks at the machine for the self-check: screens through DRM, the event
// nodes of the input devices, the sound drivers, a library that must load, and whether
// logind lets this session power off. Each answers in plain records and never changes
// anything; paths are parameters so a test can hand in a made-up /dev and /sys.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

struct DrmConnector {
  std::string name;           // "HDMI-A-1"
  bool connected = false;
  std::string preferredMode;  // "1920x1080@60"; empty when none is preferred
};
struct DrmCard {
  std::string node;    // /dev/dri/card0
  std::string driver;  // "i915"; empty when the node could not be opened
  std::string error;   // why it could not be opened (the system's words)
  bool modeSetting = false;  // it answered for its connectors (a render-only node does not)
  std::vector<DrmConnector> connectors;
};
// The card* nodes of `directory` (/dev/dri), each opened read-only and asked for its
// connectors; a node that is not a DRM device says so in `error`.
std::vector<DrmCard> ProbeDrmCards(const std::string& directory = "/dev/dri");

struct InputDeviceRoots {
  std::string dev = "/dev/input";
  std::string sys = "/sys/class/input";
  std::string udev = "/run/udev/data";
};
struct InputDevice {
  std::string node;       // /dev/input/event3
  std::string name;       // the kernel's name of the device
  bool readable = false;  // by this process
  std::string group;      // the node's group ("input"); empty when unknown
  bool keyboard = false;
  bool joystick = false;
};
// The event* nodes in name order, with what udev (or, without it, the kernel's capability
// bits) says they are.
std::vector<InputDevice> ProbeInputDevices(const InputDeviceRoots& roots = {});

struct AudioProbe {
  std::vector<std::string> drivers;  // compiled into SDL
  std::string driver;                // the one SDL chose; empty when none started
  std::string device;                // the default output's name; empty when unnamed
  bool opened = false;               // the default output was opened (and closed again)
  std::string error;
};
AudioProbe ProbeAudio();

// "" when the shared library at `path` loads and has `symbol`; otherwise why not.
std::string CheckSharedLibrary(const std::string& path, const std::string& symbol);

// logind's CanPowerOff for this session ("yes", "no", "challenge", "na"), asked through
// busctl; nothing when it cannot be asked (no busctl, no system bus, no answer in time).
std::optional<std::string> AskCanPowerOff(unsigned timeoutMs);

// Whether this process may create files in `directory`.
bool DirectoryWritable(const std::string& directory);

}  // namespace platform
