#include "settings/settings_paths.h"

#include "platform/paths.h"

namespace settings {

std::string MainSettingsPath(std::string_view base) {
  return platform::ResolvePath(std::string(base) + "/config/Orvanel.ini");
}

std::string ConfigurationPath(std::string_view base, std::string_view name) {
  return platform::ResolvePath(std::string(base) + "/config/" + std::string(name) + "/config.ini");
}

std::string ListStatisticsFileName(std::string_view desc) {
  // Only a dot of the file name counts: a dot in a directory name is no extension.
  const auto nameStart = desc.find_last_of("\\/");
  const std::size_t first = nameStart == std::string_view::npos ? 0 : nameStart + 1;
  const auto dot = desc.find_last_of('.');
  std::string out(desc);
  if (dot != std::string_view::npos && dot > first) out.resize(dot);
  return out + ".sta";
}

}  // namespace settings
