// Writing keys of the settings files as the table names them. A write changes only the
// given keys, keeps every other line of the file and replaces the file once, atomically.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "settings/setting_keys.h"
#include "settings/settings.h"

namespace settings {

struct SettingWrite {
  SettingId id;
  std::string value;  // file text; a Text or Path value is cut to the key's text size
};

// What an empty value does: the frontend writes "Key=", the configurator removes the key
// so that readers take its default.
enum class EmptyValue { Written, RemovesKey };

std::string FlagText(bool value);  // "YES" / "NO"

// False, the old file left whole, when the file exists but cannot be read, or cannot be
// written. With `from`, the lines kept are that file's (a copy under a new name): a file
// already at `path` is replaced, not merged into.
bool WriteSettings(const std::string& path, std::span<const SettingWrite> values,
                   EmptyValue empty = EmptyValue::Written, const std::string* from = nullptr);
bool WriteSetting(const std::string& path, SettingId id, std::string_view value);

// A file's text after the writes (what WriteSettings writes): keys set in place or added,
// sections made in the order of their first key.
std::string SettingsText(std::string text, std::span<const SettingWrite> values, EmptyValue empty = EmptyValue::Written);

// The configurator's save: the fields of the given keys, in that order, with empty values
// removing their keys. A one-character value (ScrType) is written back as the number the
// file held while it still starts with that character, as the configurator always did.
bool WriteSettingFields(const std::string& path, std::span<const SettingId> ids, const Settings& s,
                        const std::string* from = nullptr);

}  // namespace settings
