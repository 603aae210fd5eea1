// Writing keys of the settings files as the table names them. A write changes only the
// given keys and keeps every other line of the file; the keys of one section go into the
// file in one atomic replace.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "settings/setting_keys.h"

namespace settings {

struct SettingWrite {
  SettingId id;
  std::string value;  // file text; a Text or Path value is cut to the key's text size
};

std::string FlagText(bool value);  // "YES" / "NO"

// False when a section could not be written; the sections written before it stay written.
bool WriteSettings(const std::string& path, std::span<const SettingWrite> values);
bool WriteSetting(const std::string& path, SettingId id, std::string_view value);

}  // namespace settings
