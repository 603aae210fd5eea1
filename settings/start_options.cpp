#include "settings/start_options.h"

#ifndef ORV_VERSION
#define ORV_VERSION "0"
#endif

namespace settings {

StartOptions ParseStartOptions(std::span<const std::string> args) {
  StartOptions o;
  for (std::size_t i = 0; i < args.size() && !o.unknown; ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--version") {
      o.version = true;
    } else if (a == "--base" && i + 1 < args.size() && !args[i + 1].empty()) {
      o.base = args[++i];
    } else if (a.rfind("--base=", 0) == 0 && a.size() > 7) {
      o.base = a.substr(7);
    } else {
      o.unknown = a;
    }
  }
  return o;
}

std::string VersionLine(std::string_view program) { return std::string(program) + " " + ORV_VERSION; }

}  // namespace settings
