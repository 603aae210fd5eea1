// The debug.txt lines of a launch that went wrong. They stay French whatever the owner's
// language: owners and their tools search the log for these words.
#pragma once

#include <string>
#include <string_view>

namespace shell {

// Control characters as spaces: they would draw as boxes or cut a debug.txt line in two.
std::string Printable(std::string_view text);

// A failed start: the status, then the emulator's last lines.
std::string FailedStartLog(std::string_view romName, int exitCode, std::string_view errorTail);

// A game whose name is refused; `reason` is one of UnsafeNameReason's texts.
std::string RefusedNameLog(std::string_view romName, std::string_view reason);

}  // namespace shell
