// The listing watch: any bytes in pieces of any size give the same count and root as in one
// piece, and never more machines than '<' bytes.
// fuzz-links: orv_listgen
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <vector>

#include "configurator/listgen/listing_watch.h"
#include "game_list_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  std::vector<std::size_t> cuts;
  for (int n = in.ConsumeIntegralInRange(0, 6); n > 0; --n) cuts.push_back(in.ConsumeIntegralInRange<std::size_t>(1, 64));
  const std::string listing = in.ConsumeRemainingBytesAsString();
  const std::string_view text(listing);

  cfg::ListingWatch whole;
  whole.Feed(text);
  cfg::ListingWatch pieces;
  for (std::size_t at = 0, k = 0; at < text.size(); ++k) {
    const std::size_t length = cuts.empty() ? text.size() : cuts[k % cuts.size()];
    pieces.Feed(text.substr(at, length));
    at += length;
  }
  fuzz::Require(pieces.machines() == whole.machines() && pieces.mame() == whole.mame() &&
                pieces.rootSeen() == whole.rootSeen());
  fuzz::Require(whole.machines() <= std::count(text.begin(), text.end(), '<'));
  return 0;
}
