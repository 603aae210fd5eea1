// On the console the menu reads the panel from the kernel's input devices itself: when this
// user may not read them, the menu would ignore the panel without a word. It says so on
// screen and in debug.txt instead, naming the group that reads them.
#pragma once

#include <string>

namespace shell {

// Looks at the input devices when the menu draws on the console; the notice for the menu
// when some cannot be read (also logged), empty otherwise.
std::string CheckInputDevices(const std::string& directory = "/dev/input");

}  // namespace shell
