// How a launch ended, in the player's words: an emulator that gives up at once (a missing
// ROM, a bad option) has not been played, and the menu says why instead of coming back
// without a word.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace shell {

// An emulator that ends by itself with a non-zero status within this time of its start
// did not start.
constexpr std::uint32_t kFailedStartMs = 3000;

// exitCode: the status (128 + signal for a signal); endedByMenu: the menu ended it (held
// exit, screensaver), which is never a failed start.
bool IsFailedStart(int exitCode, std::uint32_t ranMs, bool endedByMenu);

// The message shown for a failed start: the game and the status, then on a second line the
// emulator's last line (cut to fit); UTF-8, in the owner's language.
std::string FailedStartNotice(std::string_view romName, int exitCode, std::string_view lastErrorLine);

// The message of a program that could not be started, from its errno value: a French
// text marked for the catalogues, %1 for the program, %2 for the errno value.
const char* StartErrorMessage(int error);

// The message of a game whose name is refused (UTF-8, in the owner's language).
std::string RefusedNameNotice(std::string_view romName, std::string_view reason);

}  // namespace shell
