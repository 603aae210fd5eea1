// The computer's power-off at exit (ModeSortie 1), through systemctl: logind lets the user
// of a local seat power off without root, and refuses otherwise.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace shell {

// Runs the power-off command and waits up to timeoutMs for its answer. Returns "" when it
// was accepted, else the debug.txt line that says why the computer stays on.
std::string RunPowerOff(const std::vector<std::string>& command, std::uint32_t timeoutMs);

}  // namespace shell
