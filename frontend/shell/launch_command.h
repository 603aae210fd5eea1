// The emulator's argument vector for one game. It is built word by word and handed to the
// emulator as it is: no shell and no second split ever reads it, so nothing in a game's name
// or in a path can become another argument.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace shell {

// RomDir + "/" + name with the first extension of RomsExt that names an existing file (an
// empty item tries the bare name); the bare name when none does. Letter case of the
// directories and the name is not significant; the path returned is the one on disk.
std::string RomPath(const Settings& settings, std::string_view romName);

// The emulator program: its directory + "/" + its name, or the name alone when EmuExe
// has no directory (then looked up in PATH).
std::string EmulatorPath(const Settings& settings);

// EmuParams cut into words: blanks separate words, double quotes group blanks into a word
// and are dropped ("" alone is an empty word); an unclosed quote runs to the end.
std::vector<std::string> SplitEmulatorParams(std::string_view params);

// The values of the tokens of EmuParams for one game.
struct LaunchTokens {
  std::string rom;     // %ROM%: the ROM file's full path (RomPath)
  std::string name;    // %NAME%: the entry's name
  std::string romDir;  // %ROMDIR%: the ROM folder, absolute
  std::string emuDir;  // %EMUDIR%: the emulator's folder
};

// Replaces every known token of one word by its value; an unknown %…% stays as written.
std::string ExpandLaunchTokens(std::string_view word, const LaunchTokens& tokens);

// The program, then the ROM path alone (one argument, whatever it holds) when EmuParams is
// empty, else the words of EmuParams with their tokens replaced.
std::vector<std::string> LaunchArguments(const Settings& settings, std::string_view romName);

}  // namespace shell
