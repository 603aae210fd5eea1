// Leaving the list: running the emulator for one game, or switching to another
// configuration.
#pragma once

#include <string_view>

#include "frontend/shell/shell_records.h"

namespace shell {

// LaunchEntry(name, screensaver, switch): with switch = 0 runs the emulator for the ROM
// `name` and waits until it ends (screensaver = 1: a screensaver run, ended after
// ScrDuration unless a coin key turns it into a normal run); with switch = 1 switches to
// the configuration `name`. 1 when the game ran or the configuration was switched, 0
// when the switch failed.
int LaunchEntry(const ShellRecords& r, std::string_view name, int screensaver, int switchConfiguration);

// The game half of LaunchEntry.
int LaunchGame(const ShellRecords& r, std::string_view romName, bool screensaver);

}  // namespace shell
