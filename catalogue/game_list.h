// The entry table of the loaded game list: one record per section of the game list
// file, and the display order over them. Every other room reaches an entry through a
// display position: list.AtPosition(p).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/game_entries.h"

namespace catalogue {

// Field sizes of a record, terminator included: a value keeps at most size - 1 bytes.
inline constexpr std::size_t kEntryFieldSize = 100;
inline constexpr std::size_t kRomOfFieldSize = 12;
// In favourites mode the full name leaves room for the five-digit count of the sort key.
inline constexpr std::size_t kFavouriteNameLength = 94;

// The table grows with the file: no fixed count of games.
struct GameList {
  GameEntries entries;                      // Entries
  std::vector<std::int32_t> displayOrder;   // DisplayOrder: position -> entry index
  std::int32_t entryCount = 0;              // EntryCount: records filled by the last load

  // The entry shown at display position p (0 <= p < entryCount).
  GameEntry AtPosition(std::int32_t p) const { return entries[static_cast<std::size_t>(displayOrder[static_cast<std::size_t>(p)])]; }
};

// What the loader needs from the settings of the current configuration.
struct GameListSource {
  std::string listFile;        // FichierDescription
  std::string filterFile;      // <base>/config/<configuration>/Liste.ini
  std::string statisticsFile;  // the list's statistics file (.sta)
  bool favourites = false;     // ListeFavoris
};

// Loads the list into `list` (entries, identity display order, entryCount) and returns
// the number of entries. When the list file cannot be opened: returns 0, sets entryCount
// to 0 and leaves the entries and the display order as they were.
int LoadGameList(GameList& list, const GameListSource& source);

// Sorts displayOrder[lo..hi] by the entries' sort keys, byte by byte (upper case before
// lower case, a prefix before the longer key). Equal keys end up in the order of the
// classic middle-pivot quicksort that older installations produced, so a list shows the
// same as before.
void SortGameList(GameList& list, std::int32_t lo, std::int32_t hi);

// The display position of the first entry (in display order) whose ROM name equals the
// name without regard to case, or 0 when there is none.
std::int32_t FindEntryByName(const GameList& list, std::string_view romName);

}  // namespace catalogue
