// Reading config/Orvanel.ini and config/<name>/config.ini into gSettings.
#pragma once

#include <string>
#include <string_view>

#include "frontend/shell/settings.h"
#include "platform/profile.h"

// Empty name: start-up, reads Orvanel.ini and loads the configuration named by LastEmu
// (or EmuBase). Otherwise switches to that configuration. 1 on success, 0 when no
// configuration file could be opened (the settings of config.ini are then unchanged).
int LoadConfiguration(std::string_view name);

// The pieces, with explicit arguments for tests.
bool ReadFlag(const platform::ProfileFile& file, std::string_view section, std::string_view key,
              std::string_view def);
int ReadInt(const platform::ProfileFile& file, std::string_view section, std::string_view key,
            std::string_view def);
void ReadGeneralSettings(const platform::ProfileFile& file, Settings& s);   // [General] + [Touches]
void ReadConfigSettings(const platform::ProfileFile& file, std::string_view base, Settings& s);

// EmuExe split at its last '\' or '/': directory (made absolute) and program name. With no
// separator the whole value is the program and the directory is empty.
void SplitEmuExe(std::string_view emuExe, std::string_view base, std::string& directory,
                 std::string& program);

// FichierDescription with its extension replaced by ".sta" (".sta" appended when the file
// name has none).
std::string ListStatisticsFileName(std::string_view fichierDescription);

// The files of the settings below a base directory.
std::string MainSettingsPath(std::string_view base);                         // config/Orvanel.ini
std::string ConfigurationPath(std::string_view base, std::string_view name);  // config/<name>/config.ini
