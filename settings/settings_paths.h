// Where the settings files are below a base directory (names matched in any letter case).
#pragma once

#include <string>
#include <string_view>

namespace settings {

std::string MainSettingsPath(std::string_view base);                         // config/Orvanel.ini
std::string ConfigurationPath(std::string_view base, std::string_view name);  // config/<name>/config.ini

// FichierDescription with its extension replaced by ".sta" (".sta" appended when the file
// name has none).
std::string ListStatisticsFileName(std::string_view fichierDescription);

}  // namespace settings
