// The configurator's self-check is the menu's own: orvanel --check, run from the folder of
// the configurator, so both show one report made by one piece of code.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cfg {

// The menu program beside the configurator (the build tree's Orvanel, the package's
// orvanel); empty when neither is there.
std::string MenuProgram();

struct CheckRun {
  int status = 1;      // the check's exit status
  std::string report;  // its standard output
};

// Runs `menu --check [--json] [--base base]` and collects its report; nothing when the menu
// program cannot be started or gives no answer in 10 s.
std::optional<CheckRun> RunMenuCheck(const std::string& menu, const std::string& base, bool json);

// orvanel-config --check [--json] [--base DIR]: the report on standard output, the check's status.
int RunCheckCommand(const std::vector<std::string>& args);

}  // namespace cfg
