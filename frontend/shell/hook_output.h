// What a hook writes goes to debug.txt: its first KiB, a record per line, so a chatty or
// looping hook cannot fill the log.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

inline constexpr std::size_t kHookOutputKept = 1024;

// Adds what the hook wrote to what is kept, up to kHookOutputKept bytes in all.
void KeepHookOutput(std::string& kept, std::string_view more);

// The debug.txt records of the output: "Hook <event> : <name> : <line>" for each line that
// is not blank (CR LF or LF), NUL bytes dropped.
std::vector<std::string> HookOutputRecords(std::string_view event, std::string_view name, std::string_view kept);

}  // namespace shell
