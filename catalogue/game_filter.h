// Which games of a list suit a cabinet: the choices a configuration's Liste.ini is built
// from, applied to the entries of a game list and the category files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/category_files.h"
#include "catalogue/game_list.h"

namespace catalogue {

struct GameFilter {
  std::vector<std::string> categories = {};  // patterns; empty: every category
  bool noMature = false;
  int players = 0;        // exactly this many; 0: any
  char orientation = 0;   // 'v' or 'h' (first letter of Infos2); 0: any
  bool parentsOnly = false;  // no RomOf
  int yearFrom = 0;       // Infos1 within [yearFrom, yearTo]; 0: open
  int yearTo = 0;
  std::vector<std::string> controls = {};  // ControlOf(Infos3) is one of these; empty: any
};

// What the filter reads besides the list; a table left empty was not given.
struct FilterSources {
  const CategoryTable* catver = nullptr;
  const PlayersTable* nplayers = nullptr;
};

// "Shooter/*" matches "Shooter / Flying Vertical": blanks around "/" ignored, letter
// case ignored, "*" standing for any run of characters.
bool CategoryMatches(std::string_view pattern, std::string_view category);

// The control part of an Infos3 summary: "2P 1B 2C joy4way" gives "joy4way", "" when the
// summary names none.
std::string ControlOf(std::string_view infos3);

bool PassesFilter(const GameEntry& game, const GameFilter& filter, const FilterSources& sources);

// The ROM names of the entries that pass, in the list's order.
std::vector<std::string> FilterGameList(const GameList& list, const GameFilter& filter, const FilterSources& sources);

// Liste.ini's text: one ROM name a line, CR LF.
std::string FilterFileText(const std::vector<std::string>& names);

}  // namespace catalogue
