#include "configurator/pagemodel/edited_settings.h"

#include <vector>

#include "platform/message_box.h"
#include "settings/read_settings.h"
#include "settings/setting_fields.h"
#include "settings/write_settings.h"

namespace cfg {

bool EditedSettings::IsModified() const { return !settings::SameSettings(value, snapshot, keys_.ids); }

void EditedSettings::LoadFile(const std::string& path) { Load(settings::LoadWrittenSettings(path, keys_.file)); }

bool EditedSettings::Save(const std::string& path) {
  std::vector<settings::SettingId> ids(keys_.ids.begin(), keys_.ids.end());
  ids.insert(ids.end(), keys_.writtenBack.begin(), keys_.writtenBack.end());
  if (!settings::WriteSettingFields(path, ids, value)) {
    platform::ShowMessageBox(path, "Impossible de créer ce fichier !");
    return false;
  }
  TakeSnapshot();
  return true;
}

}  // namespace cfg
