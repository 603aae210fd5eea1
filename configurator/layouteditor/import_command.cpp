#include "configurator/layouteditor/import_command.h"

#include <cstdio>

namespace cfg {

int RunImportCommand(const std::vector<std::string>&) {
  std::fputs("--import: not built yet\n", stderr);
  return 1;
}

}  // namespace cfg
