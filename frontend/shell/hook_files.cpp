#include "frontend/shell/hook_files.h"

#include <algorithm>

namespace shell {

std::vector<std::string> HookFolders(std::string_view configuration, std::string_view event) {
  std::vector<std::string> folders{"hooks/" + std::string(event)};
  // A name that could climb out of config/ never names a folder.
  const bool safe = !configuration.empty() && configuration.find('/') == std::string_view::npos &&
                    configuration.find('\\') == std::string_view::npos && configuration != "." &&
                    configuration != "..";
  if (safe) folders.push_back("config/" + std::string(configuration) + "/hooks/" + std::string(event));
  return folders;
}

std::vector<std::string> HookNamesInOrder(std::vector<platform::DirEntry> entries) {
  std::vector<std::string> names;
  for (platform::DirEntry& e : entries) {
    if (!e.isDirectory && !e.name.empty() && e.name.front() != '.') names.push_back(std::move(e.name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace shell
