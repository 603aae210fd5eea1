// A new configuration: the table's defaults and its own list, never another's values; a
// refused name writes nothing.
#include "configurator/pagemodel/new_configuration.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_dir.h"

TEST(NewConfiguration, WritesTheDefaultsItsListAndTheValuesGiven) {
  TempDir dir;
  dir.Write("config/Demo/config.ini", "[Config]\r\nLastGame=pacman\r\nMusicFond=.\\Music\r\n");
  ASSERT_EQ(cfg::CreateConfiguration(dir.path(), {"Pinball", "/usr/games/mame", "roms/pinball", "-x %ROM%"}), "");
  EXPECT_EQ(dir.Read("config/Pinball/config.ini"),
            "[Config]\r\nLastGame=0\r\nListeFavoris=NO\r\nRomDir=roms/pinball\r\nEmuExe=/usr/games/mame\r\n"
            "ScrType=0\r\nScrTimeOut=0\r\nScrDuration=0\r\nMove1Page=NO\r\nMusicSousRep=NO\r\nMusicVolume=300\r\n"
            "FichierDescription=.\\config\\Pinball\\Pinball.txt\r\nTypeMenu=NO\r\nSons=YES\r\nSlideShowSousRep=NO\r\n"
            "Rotation=0\r\nGuillemets=YES\r\nCacherFenetre=YES\r\nVideoSon=NO\r\nEmuParams=-x %ROM%\r\n");

  ASSERT_EQ(cfg::CreateConfiguration(dir.path(), {"Bare", {}, {}, {}}), "");
  const std::string bare = dir.Read("config/Bare/config.ini");
  EXPECT_NE(bare.find("FichierDescription=.\\config\\Bare\\Bare.txt\r\n"), std::string::npos) << bare;
  for (const char* absent : {"EmuExe", "RomDir", "EmuParams", "MusicFond", "TemplateDir"})
    EXPECT_EQ(bare.find(absent), std::string::npos) << absent;
}

TEST(NewConfiguration, RefusedNamesWriteNothing) {
  TempDir dir;
  dir.Write("config/Demo/config.ini", "[Config]\r\n");
  const struct {
    const char* name;
    const char* said;
  } cases[] = {{"Demo", "existe d\xC3\xA9j\xC3\xA0"}, {"DEMO", "existe d\xC3\xA9j\xC3\xA0"}, {"", "nom vide"},
               {"../outside", "contient .."}, {"a/b", "contient /"}, {"a\\b", "contient /"},
               {"-x", "commence par -"}, {"bell\a", "caract\xC3\xA8re de contr\xC3\xB4le"}};
  for (const auto& c : cases) {
    const std::string said = cfg::CreateConfiguration(dir.path(), {c.name, "mame", {}, {}});
    EXPECT_NE(said.find(c.said), std::string::npos) << c.name << ": " << said;
  }
  std::size_t entries = 0;
  for (const auto& e : std::filesystem::recursive_directory_iterator(dir.path())) entries += e.is_regular_file() ? 1 : 0;
  EXPECT_EQ(entries, 1u);
  EXPECT_FALSE(std::filesystem::exists(dir / "outside"));
  EXPECT_EQ(dir.Read("config/Demo/config.ini"), "[Config]\r\n");
}
