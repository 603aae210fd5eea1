#include "settings/write_settings.h"

#include <vector>

#include "platform/files.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "settings/setting_fields.h"

namespace settings {
namespace {

std::string FileText(const SettingKey& key, const std::string& value) {
  if (key.type == SettingType::Text || key.type == SettingType::Path)
    return platform::CutToField(value, key.size);
  return value;
}

// The text after the writes of one section: keys set in place or added, in the order given.
std::string UpdateSection(std::string text, std::string_view section, std::span<const SettingWrite> values,
                          EmptyValue empty) {
  std::vector<platform::ProfileValue> set;
  std::vector<std::string> removed;
  for (const SettingWrite& w : values) {
    const SettingKey& key = Key(w.id);
    if (key.section != section) continue;
    if (w.value.empty() && empty == EmptyValue::RemovesKey)
      removed.emplace_back(key.key);
    else
      set.push_back({std::string(key.key), FileText(key, w.value)});
  }
  // Only removals: a section the file lacks stays absent.
  if (!set.empty()) text = platform::UpdateProfileText(text, section, set);
  if (!removed.empty()) text = platform::RemoveProfileKeys(text, section, removed);
  return text;
}

std::string CharText(const platform::ProfileFile& file, const SettingKey& key, const Settings& s) {
  const std::string value = FieldText(s, key);
  const std::string written = file.Get(key.section, key.key, key.def, key.size);
  if (file.Has(key.section, key.key) && written.substr(0, 1) == value)
    return std::to_string(platform::ParseInt(written));
  return value;
}

}  // namespace

std::string FlagText(bool value) { return value ? "YES" : "NO"; }

bool WriteSettings(const std::string& path, std::span<const SettingWrite> values, EmptyValue empty,
                   const std::string* from) {
  const std::string& source = from ? *from : path;
  std::string text;
  if (auto old = platform::ReadWholeFile(source))
    text = std::move(*old);
  else if (platform::FileExists(source))
    return false;  // there but unreadable: never replace it with a fragment
  return platform::WriteFileAtomically(path, SettingsText(std::move(text), values, empty));
}

std::string SettingsText(std::string text, std::span<const SettingWrite> values, EmptyValue empty) {
  // Sections in the order of their first key.
  std::vector<std::string_view> sections;
  for (const SettingWrite& w : values) {
    const std::string_view section = Key(w.id).section;
    bool seen = false;
    for (std::string_view s : sections) seen = seen || s == section;
    if (!seen) sections.push_back(section);
  }
  for (std::string_view section : sections) text = UpdateSection(std::move(text), section, values, empty);
  return text;
}

bool WriteSetting(const std::string& path, SettingId id, std::string_view value) {
  const SettingWrite w{id, std::string(value)};
  return WriteSettings(path, std::span<const SettingWrite>(&w, 1));
}

bool WriteSettingFields(const std::string& path, std::span<const SettingId> ids, const Settings& s,
                        const std::string* from) {
  const platform::ProfileFile file = platform::ProfileFile::Load(from ? *from : path).value_or(platform::ProfileFile{});
  std::vector<SettingWrite> writes;
  for (SettingId id : ids) {
    const SettingKey& key = Key(id);
    writes.push_back({id, key.type == SettingType::Char ? CharText(file, key, s) : FieldText(s, key)});
  }
  return WriteSettings(path, writes, EmptyValue::RemovesKey, from);
}

}  // namespace settings
