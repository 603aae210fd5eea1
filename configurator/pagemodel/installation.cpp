#include "configurator/pagemodel/installation.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/paths.h"
#include "settings/settings_paths.h"

namespace cfg {
namespace {

std::vector<std::string> Subdirectories(const std::string& dir) {
  std::vector<std::string> names;
  for (const platform::DirEntry& e : platform::ListDirectory(platform::ResolvePath(dir)))
    if (e.isDirectory && !e.name.empty() && e.name[0] != '.') names.push_back(e.name);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::string MainSettingsFile(std::string_view base) { return settings::MainSettingsPath(base); }

std::string ConfigurationFile(std::string_view base, std::string_view name) {
  return settings::ConfigurationPath(base, name);
}

std::string ProposedListFile(std::string_view base, std::string_view name) {
  if (name.empty()) return platform::JoinPath(platform::ResolvePath(platform::JoinPath(base, "config")), "MAME.txt");
  const std::string file = ConfigurationFile(base, name);
  return platform::ResolvePath(platform::JoinPath(platform::DirectoryPart(file), std::string(name) + ".txt"));
}

std::string FilterListFile(std::string_view base, std::string_view name) {
  const std::string file = ConfigurationFile(base, name);
  return platform::ResolvePath(platform::JoinPath(platform::DirectoryPart(file), "Liste.ini"));
}

std::vector<std::string> ConfigurationNames(std::string_view base) {
  return Subdirectories(platform::JoinPath(base, "config"));
}

std::vector<std::string> TemplateNames(std::string_view base) {
  return Subdirectories(platform::JoinPath(base, "Templates"));
}

std::string ExpandPath(std::string_view base, std::string_view value) {
  return platform::ResolvePath(platform::MakeAbsolutePath(base, value));
}

}  // namespace cfg

