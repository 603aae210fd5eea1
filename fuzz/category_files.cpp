// catver.ini and nplayers.ini: any bytes read as either file, then used by a filter with
// a pattern taken from the input.
// fuzz-links: orv_catalogue
#include <fuzzer/FuzzedDataProvider.h>

#include "catalogue/category_files.h"
#include "catalogue/game_filter.h"
#include "fuzz_input.h"

using catalogue::CategoryMatches;
using catalogue::CategoryTable;
using catalogue::PlayerCount;
using catalogue::PlayersTable;
using catalogue::ReadCatver;
using catalogue::ReadNPlayers;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string pattern = in.ConsumeRandomLengthString(64);
  const std::string text = in.ConsumeRemainingBytesAsString();
  const CategoryTable catver = ReadCatver(text);
  const PlayersTable nplayers = ReadNPlayers(text);
  for (const auto& [name, category] : catver) {
    fuzz::Require(!name.empty());
    CategoryMatches(pattern, category.name);
  }
  for (const auto& [name, players] : nplayers) fuzz::Require(PlayerCount(players) >= 0);
  return 0;
}
