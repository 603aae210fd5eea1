#include "listing_test_support.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace {

struct XmlCase {
  const char* what;
  std::string listing;
  std::string list;
};

std::string Mame(std::string_view body) { return "<?xml version=\"1.0\"?>\n<mame build=\"0.251\">\n" + std::string(body) + "</mame>\n"; }

}  // namespace

TEST(ListXml, OldFormGivesTheSectionsAndSummaries) {
  const XmlCase cases[] = {
      {"the usual game",
       Mame("<game name=\"samplegm\" sourcefile=\"s.c\">\n<description>Sample Game (Maker)</description>\n"
            "<year>1980</year>\n<video screen=\"raster\" orientation=\"vertical\" width=\"224\" height=\"288\" "
            "aspectx=\"3\" aspecty=\"4\" refresh=\"60.000000\" />\n"
            "<input players=\"2\" buttons=\"1\" coins=\"2\" control=\"joy4way\"/>\n</game>\n"),
       CrLf({"[samplegm]", "FullName=Sample Game (Maker)", "Infos1=1980", "Infos2=v 224x288 60Hz",
             "Infos3=2P 1B 2C joy4way"})},
      {"a clone: romof read by name, whatever the attribute order",
       Mame("<game romof=\"parent\" cloneof=\"parent\" name=\"clone\"><description>C</description></game>"),
       CrLf({"[clone]", "RomOf=parent", "FullName=C"})},
      {"no year, no orientation, refresh cut at the point",
       Mame("<game name=\"g\"><video width=\"640\" height=\"480\" refresh=\"59.185606\"/></game>"),
       CrLf({"[g]", "Infos2=640x480 59Hz"})},
      {"no refresh keeps the blank; an input without control ends with the coins",
       Mame("<game name=\"g\"><video orientation=\"vertical\" width=\"224\" height=\"288\"/>"
            "<input players=\"2\" buttons=\"1\" coins=\"2\"/></game>"),
       CrLf({"[g]", "Infos2=v 224x288 ", "Infos3=2P 1B 2C "})},
      {"a game with nothing but its name", Mame("<game name=\"bare\"/>"), CrLf({"[bare]"})},
  };
  for (const XmlCase& c : cases) EXPECT_EQ(ListFromXml(c.listing), c.list) << c.what;
}

TEST(ListXml, CurrentFormGivesTheSameKeysFromItsOwnElements) {
  const XmlCase cases[] = {
      {"a BIOS, a device and a machine that cannot run are not games",
       Mame("<machine name=\"neogeo\" isbios=\"yes\"><description>Neo</description></machine>\n"
            "<machine name=\"z80\" sourcefile=\"z80.cpp\" isdevice=\"yes\" runnable=\"no\"><description>Z80</description></machine>\n"
            "<machine name=\"part\" runnable=\"no\"/>\n<machine name=\"real\" isbios=\"no\"/>\n"),
       CrLf({"[real]"})},
      {"a vertical clone over several lines",
       Mame("<machine\n  name=\"pacman\"\n  sourcefile=\"pacman/pacman.cpp\" cloneof=\"puckman\" romof=\"puckman\">\n"
            "\t<description>Pac-Man (Midway)</description>\n\t<year>1980</year>\n"
            "\t<rom name=\"pacman.6e\" size=\"4096\" crc=\"c1e6ab10\"/>\n\t<device_ref name=\"z80\"/>\n"
            "\t<display tag=\"screen\" type=\"raster\" rotate=\"90\" width=\"288\" height=\"224\"\n"
            "\t  refresh=\"60.606061\" pixclock=\"6144000\" />\n"
            "\t<input players=\"2\" coins=\"2\">\n\t\t<control type=\"joy\" player=\"1\" ways=\"4\"/>\n"
            "\t\t<control type=\"joy\" player=\"2\" ways=\"4\"/>\n\t</input>\n"
            "\t<dipswitch name=\"Lives\" tag=\"DSW1\" mask=\"12\"><dipvalue name=\"1\" value=\"0\"/></dipswitch>\n"
            "</machine>\n"),
       CrLf({"[pacman]", "RomOf=puckman", "FullName=Pac-Man (Midway)", "Infos1=1980", "Infos2=v 224x288 60Hz",
             "Infos3=2P 2C joy4way"})},
      {"rotate 270 is vertical too: the size given turned",
       Mame("<machine name=\"tate\"><display rotate=\"270\" width=\"256\" height=\"224\" refresh=\"60\"/>"
            "</machine>"),
       CrLf({"[tate]", "Infos2=v 224x256 60Hz"})},
      {"romof alone names the BIOS; rotate 180 is horizontal",
       Mame("<machine name=\"mslug\" romof=\"neogeo\"><display rotate=\"180\" width=\"320\" height=\"224\" "
            "refresh=\"59.185606\"/></machine>"),
       CrLf({"[mslug]", "RomOf=neogeo", "Infos2=h 320x224 59Hz"})},
      {"a vector screen has no size; the highest button count; a dial as it is",
       Mame("<machine name=\"vec\"><display tag=\"screen\" type=\"vector\" rotate=\"0\" refresh=\"40.000000\"/>"
            "<input players=\"1\" coins=\"1\" service=\"yes\"><control type=\"dial\" buttons=\"2\"/>"
            "<control type=\"joy\" player=\"2\" buttons=\"3\" ways=\"8\"/></input></machine>"),
       CrLf({"[vec]", "Infos2=h 40Hz", "Infos3=1P 3B 1C dial"})},
      {"two screens: the first one",
       Mame("<machine name=\"two\"><display tag=\"top\" rotate=\"0\" width=\"256\" height=\"192\" refresh=\"59.8\"/>"
            "<display tag=\"bottom\" rotate=\"270\" width=\"100\" height=\"50\" refresh=\"30\"/></machine>"),
       CrLf({"[two]", "Infos2=h 256x192 59Hz"})},
      {"entities and UTF-8 decoded into Windows-1252 when the code page has every character",
       Mame("<machine name=\"pp\"><description>Pac &amp; Pal &lt;Caf\xC3\xA9&gt; \xE2\x80\x9Cq\xE2\x80\x9D"
            "</description><year>198?</year></machine>"),
       CrLf({"[pp]", "FullName=Pac & Pal <Caf\xE9> \x93q\x94", "Infos1=198?"})},
      {"a value with a character the code page lacks stays UTF-8 whole",
       Mame("<machine name=\"zh\"><description>Caf\xC3\xA9 \xE4\xB8\xAD</description></machine>"),
       CrLf({"[zh]", "FullName=Caf\xC3\xA9 \xE4\xB8\xAD"})},
      {"a line break decoded from the text cannot start a line or a section",
       Mame("<machine name=\"nl\"><description>A&#10;[evil]&#13;&#9;B</description></machine>"),
       CrLf({"[nl]", "FullName=A [evil]  B"})},
      {"only the machine's own description, not one of its parts",
       Mame("<machine name=\"d\"><slot name=\"s\"><slotoption name=\"o\"><description>no</description></slotoption>"
            "</slot><description>yes</description></machine>"),
       CrLf({"[d]", "FullName=yes"})},
  };
  for (const XmlCase& c : cases) EXPECT_EQ(ListFromXml(c.listing), c.list) << c.what;
}

TEST(ListXml, BrokenListingsGiveTheGamesCompleteBeforeTheFault) {
  const std::string cut = Mame("<machine name=\"a\"/><machine name=\"b\"><description>B</desc");
  EXPECT_EQ(ListFromXml(cut.substr(0, cut.size() - 8)), CrLf({"[a]"}));
  EXPECT_EQ(ListFromXml("not xml at all"), "");
  EXPECT_EQ(ListFromXml(""), "");
  EXPECT_EQ(ListFromXml(Mame("<machine name=\"\"/><machine/>")), "");
  const std::string huge = Mame("<machine name=\"h\"><description>" + std::string(100000, 'x') + "</description></machine>");
  EXPECT_EQ(ListFromXml(huge).size(), CrLf({"[h]"}).size() + std::string("FullName=\r\n").size() + 4096);
}

TEST(ListXml, ExistingOnlyLooksInTheRomFolderOnceWithoutRegardToCase) {
  TempDir dir;
  dir.Write("roms/PACMAN.ZIP", "");
  dir.Write("roms/galaga.7z", "");
  dir.Write("roms/Dkong/dkong.5e", "");
  dir.Write("roms/mspacman.txt", "");
  const cfg::RomFolder folder = cfg::RomFolder::List(dir / "roms");
  const std::string listing = Mame(
      "<machine name=\"pacman\"><rom name=\"a\"/></machine><machine name=\"galaga\"><rom name=\"a\"/></machine>"
      "<machine name=\"dkong\"><rom name=\"a\"/></machine><machine name=\"mspacman\"><rom name=\"a\"/></machine>"
      "<machine name=\"hdd\"><disk name=\"a\"/></machine><machine name=\"pong\"><sound channels=\"1\"/>"
      "<input players=\"2\" coins=\"1\"/></machine><machine name=\"famicom\"><input players=\"2\"/></machine>"
      "<machine name=\"sys68k\"/>");
  EXPECT_EQ(ListFromXml(listing, &folder), CrLf({"[pacman]", "[galaga]", "[dkong]", "[pong]", "Infos3=2P 1C "}));

  const cfg::RomFolder none = cfg::RomFolder::List(dir / "missing");
  EXPECT_TRUE(none.IsEmpty());
  EXPECT_FALSE(folder.IsEmpty());
  EXPECT_EQ(ListFromXml(listing, &none), CrLf({"[pong]", "Infos3=2P 1C "}))
      << "a coin game that needs no ROM is always there; consoles and computers are not";
  EXPECT_EQ(ListFromXml(listing), CrLf({"[pacman]", "[galaga]", "[dkong]", "[mspacman]", "[hdd]", "[pong]",
                                        "Infos3=2P 1C ", "[famicom]", "Infos3=2P ", "[sys68k]"}));
}
