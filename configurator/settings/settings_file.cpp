#include "configurator/settings/settings_file.h"

#include "platform/files.h"
#include "platform/text.h"
#include "settings/read_settings.h"

namespace cfg {

std::string UpdateSettingsText(std::string text, std::span<const SectionUpdate> sections) {
  for (const SectionUpdate& s : sections) {
    std::vector<platform::ProfileValue> set;
    std::vector<std::string> removed;
    for (const platform::ProfileValue& v : s.values) {
      if (v.value.empty())
        removed.push_back(v.key);
      else
        set.push_back(v);
    }
    text = platform::UpdateProfileText(text, s.section, set);
    if (!removed.empty()) text = platform::RemoveProfileKeys(text, s.section, removed);
  }
  return text;
}

bool UpdateSettingsFile(const std::string& path, std::span<const SectionUpdate> sections) {
  std::string old;
  if (auto text = platform::ReadWholeFile(path))
    old = std::move(*text);
  else if (platform::FileExists(path))
    return false;  // there but unreadable: never replace it with a fragment
  return platform::WriteFileAtomically(path, UpdateSettingsText(std::move(old), sections));
}

std::string Text(const platform::ProfileFile& f, settings::SettingId id) {
  return settings::ReadText(f, settings::Key(id));
}
int Number(const platform::ProfileFile& f, settings::SettingId id) {
  return settings::ReadNumber(f, settings::Key(id));
}
bool Flag(const platform::ProfileFile& f, settings::SettingId id) {
  return settings::ReadFlagValue(f, settings::Key(id));
}

bool WriteSettingsFile(const std::string& path, std::span<const settings::SettingWrite> writes) {
  std::vector<SectionUpdate> sections;
  for (const settings::SettingWrite& w : writes) {
    const settings::SettingKey& key = settings::Key(w.id);
    SectionUpdate* section = nullptr;
    for (SectionUpdate& u : sections)
      if (u.section == key.section) section = &u;
    if (!section) section = &sections.emplace_back(SectionUpdate{std::string(key.section), {}});
    const bool text = key.type == settings::SettingType::Text || key.type == settings::SettingType::Path;
    section->values.push_back({std::string(key.key), text ? platform::CutToField(w.value, key.size) : w.value});
  }
  return UpdateSettingsFile(path, sections);
}

}  // namespace cfg
