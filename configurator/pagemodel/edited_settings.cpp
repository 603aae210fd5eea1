#include "configurator/pagemodel/edited_settings.h"

#include <algorithm>
#include <vector>

#include "platform/message_box.h"
#include "platform/message_catalogue.h"
#include "settings/read_settings.h"
#include "settings/setting_fields.h"
#include "settings/write_settings.h"

namespace cfg {

bool EditedSettings::IsModified() const { return !settings::SameSettings(value, snapshot, keys_.ids); }

void EditedSettings::LoadFile(const std::string& path) { Load(settings::LoadWrittenSettings(path, keys_.file)); }

bool EditedSettings::SaveCopy(const std::string& current, const std::string& path) {
  return Write(path, keys_.ids, &current);
}

bool EditedSettings::Save(const std::string& path) {
  // A folder kept under two keys is written only when the owner changed it, so a file
  // whose two keys differ keeps the frontend's until the owner picks another.
  std::vector<settings::SettingId> ids;
  for (settings::SettingId id : keys_.ids) {
    const settings::SettingId one[] = {id};
    if (!settings::SharesField(id) || !settings::SameSettings(value, snapshot, one)) ids.push_back(id);
  }
  // The menu starts on LastEmu, the configuration it last showed: a new base configuration
  // would wait behind it, so the next start opens on the new base (none leaves LastEmu be).
  const settings::SettingId base[] = {settings::SettingId::EmuBase};
  if (std::ranges::find(keys_.ids, base[0]) != keys_.ids.end() && !value.emuBase.empty() &&
      !settings::SameSettings(value, snapshot, base)) {
    value.lastEmu = value.emuBase;
    ids.push_back(settings::SettingId::LastEmu);
  }
  return Write(path, ids, nullptr);
}

bool EditedSettings::Write(const std::string& path, std::span<const settings::SettingId> ids,
                           const std::string* from) {
  if (!settings::WriteSettingFields(path, ids, value, from)) {
    platform::ShowMessageBox(path, Tr("Impossible de créer ce fichier !"));
    return false;
  }
  TakeSnapshot();
  return true;
}

}  // namespace cfg
