// The XML listing reader: any bytes give a sound game list, in pieces of any size the
// same list as in one piece, and for a well-formed listing dropping the unread parts first
// changes nothing.
// fuzz-links: orv_listgen
#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "configurator/listgen/listxml_reader.h"
#include "game_list_check.h"
#include "platform/xml_reader.h"

namespace {

cfg::GameListBuilder Read(std::span<const std::string_view> pieces, bool slim) {
  cfg::GameListBuilder games(nullptr);
  cfg::ReadListXmlPieces(pieces, games, slim);
  fuzz::CheckGameList(games);
  return games;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  std::vector<std::size_t> cuts;
  for (int n = in.ConsumeIntegralInRange(0, 6); n > 0; --n) cuts.push_back(in.ConsumeIntegralInRange<std::size_t>(1, 64));
  const std::string listing = in.ConsumeRemainingBytesAsString();
  const std::string_view text(listing);

  std::vector<std::string_view> pieces;
  for (std::size_t at = 0, k = 0; at < text.size(); ++k) {
    const std::size_t length = cuts.empty() ? text.size() : cuts[k % cuts.size()];
    pieces.push_back(text.substr(at, length));
    at += length;
  }
  const std::string_view whole[] = {text};

  const cfg::GameListBuilder plain = Read(whole, false);
  const cfg::GameListBuilder plainPieces = Read(pieces, false);
  fuzz::Require(plainPieces.text() == plain.text() && plainPieces.seen() == plain.seen());

  const cfg::GameListBuilder slim = Read(pieces, true);
  platform::XmlHandler nothing;
  if (platform::ParseXmlText(text, nothing)) fuzz::Require(slim.text() == plain.text() && slim.seen() == plain.seen());
  return 0;
}
