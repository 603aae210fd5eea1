// A new configuration: config/<name>/config.ini with the settings table's defaults (never a
// copy of another configuration, whose list, last game and folders are its own) and its own
// game list config/<name>/<name>.txt.
#pragma once

#include <string>
#include <string_view>

namespace cfg {

struct NewConfiguration {
  std::string name;
  // Setting values as they are to be written; empty ones are left out.
  std::string emuExe;
  std::string romDir;
  std::string emuParams;
};

// Why `name` cannot be a new configuration of the installation at `base` (UTF-8, for a message
// box or the terminal); empty when it can.
std::string RefusedConfigurationName(std::string_view base, std::string_view name);

// Makes the folder and writes config.ini (atomically). Empty on success, else what failed
// (UTF-8); a refused name writes nothing.
std::string CreateConfiguration(std::string_view base, const NewConfiguration& config);

// The file text of config.ini for `config` (CR LF lines, [Config] section).
std::string NewConfigurationText(const NewConfiguration& config);

}  // namespace cfg
