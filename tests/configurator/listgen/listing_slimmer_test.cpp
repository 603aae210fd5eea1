#include "configurator/listgen/listing_slimmer.h"

#include "listing_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::string ListFromPieces(std::string_view xml, std::size_t pieceSize, bool slim) {
  std::vector<std::string_view> pieces;
  for (std::size_t at = 0; at < xml.size(); at += pieceSize) pieces.push_back(xml.substr(at, pieceSize));
  cfg::GameListBuilder games(nullptr);
  cfg::ReadListXmlPieces(pieces, games, slim);
  return games.text();
}

const char* const kListings[] = {
    // A document type whose internal subset holds quotes, brackets and '>' in defaults.
    "<?xml version=\"1.0\"?>\n<!DOCTYPE mame [\n<!ELEMENT mame (machine+)>\n"
    "<!ATTLIST machine runnable (yes|no) \"yes\">\n<!ATTLIST rom status CDATA \"a>b]'\">\n"
    "<!-- a comment with <rom name=\"x\"/> -->\n]>\n"
    "<mame><machine name=\"a\"><rom name=\"r\" size=\"1\"/><description>A</description></machine></mame>\n",
    // Values holding '>', '/>' and the other quote; dropped elements between kept ones.
    "<mame><machine name=\"b&gt;c\" romof='p\"q'><dipswitch name=\"d\"><dipvalue name=\"x/>\" value='1'/>"
    "<dipvalue name=\"y\" default=\"yes\" /></dipswitch><chip type=\"cpu\" name=\"Z80\"/>"
    "<description>B/></description><device_ref name=\"z80\"/><input players=\"1\"><control type=\"dial\"/>"
    "</input></machine></mame>",
    // A non-empty element of a dropped kind, CDATA and comments that look like tags.
    "<mame><machine name=\"c\"><chip name=\"x\">text</chip><description><![CDATA[<rom/> ]]]]>"
    "</description><!-- <machine name=\"fake\"/> --></machine><!----><?pi <rom/> ?>"
    "<machine name=\"d\"><disk name=\"hd\" /><year>1999</year></machine></mame>",
    // Cut short inside a tag.
    "<mame><machine name=\"e\"/><machine name=\"f\"><rom name=\"a",
};

}  // namespace

TEST(ListingSlimmer, GivesTheSameListAsTheWholeListingWhereverThePiecesEnd) {
  for (const char* listing : kListings) {
    const std::string whole = ListFromPieces(listing, std::string_view(listing).size(), false);
    EXPECT_FALSE(whole.empty()) << listing;
    for (std::size_t size : {1, 2, 3, 5, 8, 13, 64, 100000})
      EXPECT_EQ(ListFromPieces(listing, size, true), whole) << listing << " in pieces of " << size;
  }
}

TEST(ListingSlimmer, DropsOnlyEmptyElementsOfTheDroppedKinds) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"<dipvalue name=\"a\" value=\"1\"/>x<rom name=\"b\" crc=\"1\" />y<disk name=\"c\"/>", "x<rom/>y<disk/>"},
      {"<chip>t</chip><driver status=\"good\"/><description>d</description>", "<chip>t</chip><description>d</description>"},
      {"<!-- <chip/> --><![CDATA[<port/>]]><?x <sound/>?>", "<!-- <chip/> --><![CDATA[<port/>]]><?x <sound/>?>"},
      {"<port tag=\"a>\"/>", ""},
      {"< port/><1/>", "< port/><1/>"},
  };
  for (const auto& c : cases) {
    cfg::ListingSlimmer slimmer;
    std::string out;
    slimmer.Feed(c.in, out);
    slimmer.Finish(out);
    EXPECT_EQ(out, c.out) << c.in;
  }

  // A start tag too long to hold back across pieces is passed on as it is.
  cfg::ListingSlimmer slimmer;
  const std::string huge = "<chip name=\"" + std::string(200000, 'n') + "\"/><chip/>";
  std::string out;
  for (std::size_t at = 0; at < huge.size(); at += 1000) slimmer.Feed(std::string_view(huge).substr(at, 1000), out);
  slimmer.Finish(out);
  EXPECT_TRUE(out == huge.substr(0, huge.size() - 7)) << out.size();
}
