#include "configurator/pagemodel/new_configuration.h"

#include <vector>

#include "platform/copy_tree.h"
#include "platform/files.h"
#include "platform/message_catalogue.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "settings/safe_name.h"
#include "settings/setting_keys.h"
#include "settings/write_settings.h"

namespace cfg {
namespace {

using settings::SettingId;

std::string ConfigFolder(std::string_view base) { return platform::ResolvePath(platform::JoinPath(base, "config")); }

// The list's path as the installation's configurations write it: below the base, with the
// separators of the original system.
std::string ListFileSetting(std::string_view name) {
  return ".\\config\\" + std::string(name) + "\\" + std::string(name) + ".txt";
}

}  // namespace

std::string RefusedConfigurationName(std::string_view base, std::string_view name) {
  const std::string_view reason = settings::UnsafeNameReason(name);
  if (!reason.empty())
    return platform::FormatText(Tr("Nom de configuration refusé « %1 » : %2."),
                                {platform::ToUtf8ForDisplay(name), platform::ToUtf8ForDisplay(reason)});
  // Names are matched in any letter case, so "mame" would open "MAME".
  if (platform::DirectoryExists(platform::ResolvePath(platform::JoinPath(ConfigFolder(base), name))))
    return platform::FormatText(Tr("La configuration « %1 » existe déjà."), {platform::ToUtf8ForDisplay(name)});
  return {};
}

std::string NewConfigurationText(const NewConfiguration& config) {
  std::vector<settings::SettingWrite> writes;
  for (const settings::SettingKey& key : settings::SettingKeys()) {
    if (key.file != settings::SettingFile::Configuration || key.configuratorOnly) continue;
    std::string value(key.def);
    if (key.id == SettingId::FichierDescription) value = ListFileSetting(config.name);
    if (key.id == SettingId::EmuExe) value = config.emuExe;
    if (key.id == SettingId::RomDir) value = config.romDir;
    if (key.id == SettingId::EmuParams) value = config.emuParams;
    if (!value.empty()) writes.push_back({key.id, std::move(value)});
  }
  return settings::SettingsText("", writes);
}

std::string CreateConfiguration(std::string_view base, const NewConfiguration& config) {
  if (std::string refused = RefusedConfigurationName(base, config.name); !refused.empty()) return refused;
  const std::string folder = platform::JoinPath(ConfigFolder(base), config.name);
  if (!platform::MakeDirectories(folder))
    return platform::FormatText(Tr("Impossible de créer le dossier %1"), {folder});
  const std::string file = platform::JoinPath(folder, "config.ini");
  if (!platform::WriteFileAtomically(file, NewConfigurationText(config)))
    return platform::FormatText(Tr("Impossible de créer ce fichier : %1"), {file});
  return {};
}

}  // namespace cfg
