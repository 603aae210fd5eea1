// The two community files that describe arcade games beyond the emulator's listing:
// catver.ini (a category per game, "Main / Sub", with a "* Mature *" mark) and
// nplayers.ini (how many play, "2P sim", "4P alt / 2P sim", ...). Both are INI files of
// many thousand lines, saved as Latin-1 or UTF-8, with comments and either line end.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace catalogue {

struct GameCategory {
  std::string name;  // "Main / Sub", blanks around "/" as the file has them
  bool mature = false;
};

// Keys are ROM names in lower case; the first line of a name counts.
using CategoryTable = std::unordered_map<std::string, GameCategory>;
using PlayersTable = std::unordered_map<std::string, std::string>;

// The [Category] section of catver.ini's text ([VerAdded] and any other are skipped).
CategoryTable ReadCatver(std::string text);
// The [NPlayers] section of nplayers.ini's text.
PlayersTable ReadNPlayers(std::string text);

// The number of players a nplayers.ini value or an Infos3 summary ("2P 1B 2C joy4way")
// names: the largest "<n>P" among its parts, 0 when there is none ("???", "BIOS").
int PlayerCount(std::string_view text);

}  // namespace catalogue
