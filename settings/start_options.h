// The options both programs take when started for their window or menu.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace settings {

struct StartOptions {
  bool help = false;
  bool version = false;
  std::optional<std::string> base;  // --base DIR or --base=DIR
  std::optional<std::string> unknown;  // the first argument not understood
};

// Reads --help (-h), --version, --base DIR. A --base without its directory, or any other
// argument, lands in `unknown`: the program then prints its usage to standard error and
// ends with status 2.
StartOptions ParseStartOptions(std::span<const std::string> args);

// "Orvanel 1.2.3": the version the build was made from.
std::string VersionLine(std::string_view program);

}  // namespace settings
