#include "configurator/layouteditor/preview_games.h"

#include "catalogue/configured_list.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "settings/read_settings.h"
#include "settings/settings_paths.h"

using catalogue::LoadMenuList;

namespace cfg {

PreviewGames LoadPreviewGames(const std::string& base, const std::string& configFile) {
  PreviewGames games;
  const auto file = configFile.empty() ? std::nullopt : platform::ProfileFile::Load(platform::ResolvePath(configFile));
  if (!file) return games;
  Settings& s = games.settings;
  settings::ReadConfigSettings(*file, base, s);
  s.currentConfig = std::string(platform::FileNamePart(platform::DirectoryPart(configFile)));
  s.listStatsFile = settings::ListStatisticsFileName(s.fichierDescription);
  LoadMenuList(games.list, s, base);
  return games;
}

}  // namespace cfg
