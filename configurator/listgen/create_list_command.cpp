#include "configurator/listgen/create_list_command.h"

#include <cstdio>

namespace cfg {

int RunCreateListCommand(const std::vector<std::string>&) {
  std::fputs("--create-list: not built yet\n", stderr);
  return 1;
}

}  // namespace cfg
