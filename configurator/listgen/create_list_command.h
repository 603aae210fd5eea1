#pragma once
#include <string>
#include <vector>

namespace cfg {

// OrvanelConfig --create-list --emulator PROG --output FILE [--rom-dir DIR] [--all]
// Builds a game list from the emulator's listing without a window, for scripted cabinet
// set-ups. With --rom-dir (and without --all) only the games whose ROMs are there are
// kept. The closing message goes to standard output, the others to standard error.
// `args` are the arguments after the program name. Returns 0 when games were written,
// 1 otherwise.
int RunCreateListCommand(const std::vector<std::string>& args);

}  // namespace cfg
