// The game list reader with its filter (Liste.ini) and, for favourites, the list's
// statistics, then the sort and the search by name.
// fuzz-links: orv_catalogue
#include <fuzzer/FuzzedDataProvider.h>

#include "catalogue/game_list.h"
#include "fuzz_input.h"

using catalogue::FindEntryByName;
using catalogue::GameEntry;
using catalogue::GameList;
using catalogue::GameListSource;
using catalogue::LoadGameList;
using catalogue::SortGameList;
using catalogue::kEntryFieldSize;
using catalogue::kRomOfFieldSize;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  GameListSource source;
  source.favourites = in.ConsumeBool();
  const bool withFilter = in.ConsumeBool();
  const std::string name = in.ConsumeRandomLengthString(16);
  const std::string filter = in.ConsumeRandomLengthString(2000);
  const std::string statistics = in.ConsumeRandomLengthString(2000);
  source.listFile = fuzz::PutFile("list.txt", in.ConsumeRemainingBytesAsString());
  source.statisticsFile = fuzz::PutFile("list.sta", statistics);
  source.filterFile = withFilter ? fuzz::PutFile("Liste.ini", filter) : fuzz::ScratchDirectory() + "/none.ini";

  GameList list;
  const int count = LoadGameList(list, source);
  fuzz::Require(count == list.entryCount && list.displayOrder.size() == list.entries.size());
  for (const GameEntry& e : list.entries) {
    fuzz::Require(e.romName.size() < kEntryFieldSize && e.romOf.size() < kRomOfFieldSize);
    fuzz::Require(e.sortKey.size() < kEntryFieldSize);
  }
  if (count > 0) SortGameList(list, 0, count - 1);
  FindEntryByName(list, name);
  return 0;
}
