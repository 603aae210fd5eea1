// Reading the settings files into a Settings record, key by key as the table says. Pure:
// the caller loads the file (platform::ProfileFile) and gives the base directory that
// relative paths are made absolute against.
#pragma once

#include <string>
#include <string_view>

#include "platform/profile.h"
#include "settings/setting_keys.h"
#include "settings/settings.h"

namespace settings {

// One key as file text: its value (or default) cut to the key's text size.
std::string ReadText(const platform::ProfileFile& file, const SettingKey& key);

// One key into its field of the record (nothing for keys without a field).
void ReadSetting(const platform::ProfileFile& file, const SettingKey& key, std::string_view base,
                 Settings& s);

// Every key of Orvanel.ini ([General] and [Touches]).
void ReadGeneralSettings(const platform::ProfileFile& file, Settings& s);
// Every key of config.ini that the frontend uses, in table order, then EmuExe's split.
void ReadConfigSettings(const platform::ProfileFile& file, std::string_view base, Settings& s);

// What the configurator edits of one file: every key with a field, paths as written, so
// that a save writes back what the owner wrote. A key whose default is another key's
// value counts only when the file holds it (SlideShowDir stays empty); RepCustomN stands
// in for CustomNDir only when the file has no CustomNDir. The rotation is kept in quarter
// turns 0-3.
void ReadWrittenSettings(const platform::ProfileFile& file, SettingFile which, Settings& s);
// The same from a file on disk; a file that cannot be opened gives the defaults.
Settings LoadWrittenSettings(const std::string& path, SettingFile which);

// EmuExe split at its last '\' or '/': directory (made absolute) and program name. With no
// separator the whole value is the program and the directory is empty.
void SplitEmuExe(std::string_view emuExe, std::string_view base, std::string& directory,
                 std::string& program);

}  // namespace settings
