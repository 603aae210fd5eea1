// What a configuration's Liste.ini is built from: the game list and, when given, catver.ini
// and nplayers.ini, read once; what they offer to choose from; and the write of the result.
// The filter command and the "Filtre" dialog share it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/category_files.h"
#include "catalogue/game_filter.h"
#include "catalogue/game_list.h"

namespace cfg {

struct FilterInputs {
  catalogue::GameList list;
  catalogue::CategoryTable catver;
  catalogue::PlayersTable nplayers;
  bool hasCatver = false;
  bool hasNPlayers = false;

  catalogue::FilterSources Sources() const;
};

// Reads the list and the category files whose paths are not empty. The path that could
// not be read, or nothing when all were.
std::optional<std::string> ReadFilterInputs(const std::string& list, const std::string& catver,
                                            const std::string& nplayers, FilterInputs& inputs);

// What the list's games hold, each with how many games have it.
struct FilterChoices {
  std::map<std::string, std::map<std::string, int>> categories;  // Main -> Sub ("" for none) -> games
  std::map<int, int> players;                                    // players (0: unknown) -> games
  std::map<std::string, int> controls;                           // Infos3's control ("" none) -> games
};
FilterChoices CollectChoices(const FilterInputs& inputs);

// "Main / Sub" as catver.ini writes it: Main and Sub without the blanks around "/".
std::pair<std::string, std::string> SplitCategory(std::string_view category);

enum class FilterWrite { kWritten, kNothingPasses, kCannotWrite };
// Replaces `output` atomically with the names; with no name the file stays as it was.
FilterWrite WriteFilterFile(const std::string& output, const std::vector<std::string>& names);

}  // namespace cfg
