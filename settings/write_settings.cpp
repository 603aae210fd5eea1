#include "settings/write_settings.h"

#include <vector>

#include "platform/profile.h"
#include "platform/text.h"

namespace settings {
namespace {

std::string FileText(const SettingKey& key, const std::string& value) {
  if (key.type == SettingType::Text || key.type == SettingType::Path)
    return platform::CutToField(value, key.size);
  return value;
}

}  // namespace

std::string FlagText(bool value) { return value ? "YES" : "NO"; }

bool WriteSettings(const std::string& path, std::span<const SettingWrite> values) {
  // Sections in the order of their first key, keys in the order given.
  std::vector<std::string_view> sections;
  for (const SettingWrite& w : values) {
    const std::string_view section = Key(w.id).section;
    bool seen = false;
    for (std::string_view s : sections) seen = seen || s == section;
    if (!seen) sections.push_back(section);
  }
  for (std::string_view section : sections) {
    std::vector<platform::ProfileValue> lines;
    for (const SettingWrite& w : values) {
      const SettingKey& key = Key(w.id);
      if (key.section == section) lines.push_back({std::string(key.key), FileText(key, w.value)});
    }
    if (!platform::WriteProfileStrings(path, section, lines)) return false;
  }
  return true;
}

bool WriteSetting(const std::string& path, SettingId id, std::string_view value) {
  const SettingWrite w{id, std::string(value)};
  return WriteSettings(path, std::span<const SettingWrite>(&w, 1));
}

}  // namespace settings
