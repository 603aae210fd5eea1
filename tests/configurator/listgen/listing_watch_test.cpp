// The listing watched as it streams: machines counted and the <mame> root told however the
// pipe cuts the bytes.
#include "configurator/listgen/listing_watch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Watched {
  int machines;
  bool mame;
};

Watched Watch(const std::string& text, std::size_t pieceBytes) {
  cfg::ListingWatch watch;
  for (std::size_t at = 0; at < text.size(); at += pieceBytes) watch.Feed(std::string_view(text).substr(at, pieceBytes));
  return {watch.machines(), watch.mame()};
}

}  // namespace

TEST(ListingWatch, CountsMachinesAndTellsTheMameRootInAnyPieces) {
  const std::string dtd =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE mame [\n<!ELEMENT mame (machine+)>\n"
      "\t<!ATTLIST machine name CDATA #REQUIRED>\n]>\n";
  const struct {
    std::string text;
    Watched expected;
  } cases[] = {
      {dtd + "<mame build=\"0.251\">\n<machine name=\"a\"><rom/></machine>\n<machine\tname=\"b\"/>\n</mame>\n", {2, true}},
      {"<mame>\n<machine name=\"a\"></machine>\n</mame>", {1, true}},
      // Older forms: <game> elements under another root.
      {"<?xml version=\"1.0\"?>\n<mess build=\"0.1\"><game name=\"x\"></game><game name=\"y\"/></mess>", {2, false}},
      {"<datafile><game name=\"x\"></game></datafile>", {1, false}},
      // Names that only begin like the ones looked for, and a <mame> that is not the root.
      {"<mamex><machines/><gamey/><machine name=\"m\"/><mame/></mamex>", {1, false}},
      {"game ( name x )\n", {0, false}},  // the old text listing
      {"", {0, false}},
  };
  for (const auto& c : cases)
    for (std::size_t piece : {std::size_t(1), std::size_t(2), std::size_t(3), std::size_t(7), std::size_t(1) << 20}) {
      const Watched w = Watch(c.text, piece);
      EXPECT_EQ(w.machines, c.expected.machines) << c.text << " in pieces of " << piece;
      EXPECT_EQ(w.mame, c.expected.mame) << c.text << " in pieces of " << piece;
    }
}
