#include "configurator/settings/settings_file.h"

#include "platform/files.h"

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

}  // namespace cfg
