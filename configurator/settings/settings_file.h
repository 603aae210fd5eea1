// Writing a page's keys into a settings file that the frontend also writes: every line
// the page does not own stays as it is.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/profile.h"
#include "settings/write_settings.h"

namespace cfg {

struct SectionUpdate {
  std::string section;
  std::vector<platform::ProfileValue> values;
};

// The text after the updates: keys set in place (or added to their section), a key with
// an empty value removed so that readers take its default. Pure.
std::string UpdateSettingsText(std::string text, std::span<const SectionUpdate> sections);

// The same on a file, created when missing and replaced atomically. False (the old file
// left whole) when it exists but cannot be read, or cannot be written.
bool UpdateSettingsFile(const std::string& path, std::span<const SectionUpdate> sections);

// One key of the table as the frontend reads it: its rules, text size and default.
std::string Text(const platform::ProfileFile& file, settings::SettingId id);
int Number(const platform::ProfileFile& file, settings::SettingId id);
bool Flag(const platform::ProfileFile& file, settings::SettingId id);

// Writes keys named by the settings table (text cut to the key's size) into one file, all
// its sections in one atomic replace; an empty value removes its key.
bool WriteSettingsFile(const std::string& path, std::span<const settings::SettingWrite> writes);

}  // namespace cfg
