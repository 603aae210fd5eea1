// The emulator's command line for one game: the quoted emulator program, one blank, then
// the ROM path (quoted when Guillemets is on). It is cut into arguments by the Windows
// rules when the emulator is started, never read by a shell.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "frontend/shell/shell_state.h"

// RomDir + "/" + name with the first extension of RomsExt that names an existing file (an
// empty item tries the bare name); the bare name when none does. Letter case of the
// directories and the name is not significant; the path returned is the one on disk.
std::string RomPath(const Settings& settings, std::string_view romName);

// The emulator program: its directory + "/" + its name, or the name alone when EmuExe
// has no directory (then looked up in PATH).
std::string EmulatorPath(const Settings& settings);

// "<emulator>" <rom path>, with the ROM path in quotes when Guillemets is on.
std::string BuildCommandLine(const Settings& settings, std::string_view romName);
