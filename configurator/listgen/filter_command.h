#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace cfg {

// OrvanelConfig --filter --list LIST.txt --output config/NAME/Liste.ini [--catver F]
//   [--nplayers F] [--category "Main/Sub"]... [--no-mature] [--players N]
//   [--orientation v|h] [--parents-only] [--years A-B] [--control NAME]...
// Writes the names of the list's games that pass into Liste.ini, replacing it atomically.
// `args` are the arguments after the program name. Returns 0 with the count on `out`;
// 1 with the reason on `err`, leaving an existing Liste.ini as it was, when an argument
// is wrong, a file cannot be read or written, or no game passes.
int RunFilter(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunFilterCommand(const std::vector<std::string>& args);

}  // namespace cfg
