#include "listing_test_support.h"

#include <gtest/gtest.h>

TEST(ListInfo, BlocksGiveTheSectionsAndSummaries) {
  const std::string listing =
      "game (\n\tname samplegm\n\tdescription \"Sample Game (Maker)\"\n\tyear 1980\n\tmanufacturer \"Maker\"\n"
      "\tromof parent\n\trom ( name a.bin size 4096 crc 12345678 )\n"
      "\tvideo ( screen raster orientation vertical x 224 y 288 aspectx 3 aspecty 4 freq 60.000000 )\n"
      "\tinput ( players 2 buttons 1 coins 2 control joy4way )\n)\n"
      "\nresource (\n\tname neogeo\n\tdescription \"BIOS\"\n)\n"
      "GAME (\r\n  name second\r\n  video ( screen raster orientation horizontal x 256 y 224 freq 60.000000 )\r\n"
      "  input ( players 1 coins 1 )\r\n)\r\n"
      "name outside\n";
  EXPECT_EQ(ListFromInfo(listing),
            CrLf({"[samplegm]", "RomOf=parent", "FullName=Sample Game (Maker)", "Infos1=1980", "Infos2=v 224x288 60Hz",
                  "Infos3=2P 1B 2C joy4way", "[second]", "Infos2=h 256x224 60Hz", "Infos3=1P 1C "}));
}

TEST(ListInfo, SummaryPartsOnlyWhereTheirMarkersAre) {
  const struct {
    const char* video;
    const char* screen;
  } screens[] = {
      {"( screen raster orientation horizontal x 256 y 224 freq 60.000000 )", "h 256x224 60Hz"},
      {"( screen raster orientation vertical x 224 y 288 )", "v 224x288"},
      {"( screen raster x 640 y 480 freq 59.185606 )", "640x480 59Hz"},
      {"( screen vector orientation horizontal freq 40.000000 )", "h 40Hz"},
      {"( screen raster orientation", ""},
      {"( screen raster orientation ", ""},
      {" x 1", "1x"},
      {"( freq  )", ""},
      {"", ""},
  };
  for (const auto& s : screens) EXPECT_EQ(cfg::ListInfoScreen(s.video), s.screen) << s.video;

  const struct {
    const char* input;
    const char* controls;
  } inputs[] = {
      {"( players 2 control joy8way buttons 2 coins 1 )", "2P 2B 1C joy8way"},
      {"( players 2 coins 2 )", "2P 2C "},
      {"( players", ""},
      {"( control dial", "dial"},
  };
  for (const auto& i : inputs) EXPECT_EQ(cfg::ListInfoControls(i.input), i.controls) << i.input;
}

TEST(ListInfo, ShortAndOverlongLinesStayInTheirLine) {
  const std::string longTitle(600, 'T');
  const std::string listing = "game (\nname a\ndescription \ndescription\nyear \n)\n"
                              "game (\nname b\ndescription \"" + longTitle + " name c\"\n"
                              "description \"unquoted\nrom ( name b.bin )\n)\n"
                              "game (\nname cut";
  EXPECT_EQ(ListFromInfo(listing), CrLf({"[a]", "[b]", "FullName=unquoted", "[cut]"}));

  const cfg::RomFolder none;
  EXPECT_EQ(ListFromInfo(listing, &none), "") << "blocks without a rom or a coin slot are no cabinet games";
  EXPECT_EQ(ListFromInfo("game (\nname pong\ninput ( players 2 coins 1 )\n)\n"
                         "game (\nname famicom\ninput ( players 2 )\n)\n", &none),
            CrLf({"[pong]", "Infos3=2P 1C "}))
      << "a coin game without files is kept";
  EXPECT_EQ(ListFromInfo("game (\nname x\x01y\ndescription \"a\tb\x1b\"\n)\n"), CrLf({"[x y]", "FullName=a b "}));
}
