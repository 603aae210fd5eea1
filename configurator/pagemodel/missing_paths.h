// The folders and the emulator of a configuration that are not on disk: marked on the page
// as the owner types and named in the save question. Saving stays allowed (a folder on a
// drive not plugged in yet is a fair thing to set up).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/setting_keys.h"
#include "settings/settings.h"

namespace cfg {

// Empty when `value` (as the setting stores it) exists or is empty; else what is missing:
// "Répertoire introuvable : /arcade/roms", "Programme introuvable : mame (dans le PATH)".
// Keys that name no folder or program give empty.
std::string MissingText(std::string_view base, settings::SettingId id, std::string_view value);

// One line per missing folder or program of the record, named as its button: "Roms : /arcade/roms".
std::vector<std::string> MissingPaths(std::string_view base, const Settings& settings);

// "Enregistrer les modifications ?", after the list of the missing ones when there are any.
std::string SaveQuestionText(const std::vector<std::string>& missing);

}  // namespace cfg
