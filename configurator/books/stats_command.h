// orvanel-config --stats: the books of a period as CSV; --stats-reset: a new period, the
// old one archived. Both without a display.
#pragma once

#include <string>
#include <vector>

namespace cfg {

// args[0] is "--stats" or "--stats-reset". Exit code 0, or 1 with a message on standard
// error (a bad date, an unreadable journal, a file that cannot be written).
int RunStatsCommand(const std::vector<std::string>& args);

}  // namespace cfg
