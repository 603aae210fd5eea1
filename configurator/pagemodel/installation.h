// Where the configurator finds the installation's files, and the names it offers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cfg {

// config/Orvanel.ini and config/<name>/config.ini below the base directory, letter case
// of existing files aside; new files get these spellings, the frontend's.
std::string MainSettingsFile(std::string_view base);
std::string ConfigurationFile(std::string_view base, std::string_view name);
// The game list a generation proposes: config/<name>/<name>.txt beside the configuration's
// own file, or config/MAME.txt while no configuration is chosen.
std::string ProposedListFile(std::string_view base, std::string_view name);

// config/<name>/Liste.ini: the games the configuration's list shows, when it exists.
std::string FilterListFile(std::string_view base, std::string_view name);

// The subdirectories of config/ and of Templates/ whose names do not begin with ".",
// sorted (the system gives them in no useful order).
std::vector<std::string> ConfigurationNames(std::string_view base);
std::vector<std::string> TemplateNames(std::string_view base);

// A stored setting as a path to open a dialog on: the frontend's rule, made native.
std::string ExpandPath(std::string_view base, std::string_view value);

}  // namespace cfg
