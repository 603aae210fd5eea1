// One rule for the emulator program in both programs: what EmuExe names, and how a chosen
// program is stored. A bare name is a program found in PATH, for the frontend's launch and
// the configurator's list generator alike; a program beside the installation is stored as
// ".\name" so that it is never mistaken for one.
#pragma once

#include <string>
#include <string_view>

namespace settings {

// The program to start: directory + "/" + name (on disk, any letter case), or the bare
// name when there is no directory.
std::string ProgramPath(std::string_view directory, std::string_view program);
// The same from EmuExe as written, relative paths made absolute against the base.
std::string EmulatorProgramPath(std::string_view base, std::string_view emuExe);
// EmuExe for a program chosen on disk: relative to the base when below it.
std::string StoredEmulatorPath(std::string_view base, std::string_view chosen);

}  // namespace settings
