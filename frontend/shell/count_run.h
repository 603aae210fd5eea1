// The run counter of the frontend: [StatGen] NbExec in Orvanel.sta.
#pragma once

#include <string>

namespace shell {

// Adds 1 to NbExec in base/Orvanel.sta (created when missing).
void CountRun(const std::string& base);

}  // namespace shell
