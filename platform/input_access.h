// Whether this user may read the input devices. Without a display server the menu, SDL and
// the key tracker read keyboards and joysticks from the kernel's event nodes, which Debian
// gives to the group "input" (and to the seat's user for some joysticks only).
#pragma once

#include <string>
#include <vector>

namespace platform {

struct InputNodes {
  int readable = 0;
  std::vector<std::string> unreadable;  // names of the event nodes this process cannot read
};

// The event nodes ("event*") of a directory, /dev/input on a real system.
InputNodes SurveyInputNodes(const std::string& directory = "/dev/input");

}  // namespace platform
