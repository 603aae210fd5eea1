#include "frontend/shell/load_configuration.h"

#include "frontend/shell/shell_state.h"
#include "platform/debug_log.h"
#include "platform/profile.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

using shell::LoadConfiguration;
using shell::ResetShellState;
using shell::gShell;

namespace {

class LoadConfigurationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellState();
    gShell.baseDirectory = dir.path();
    platform::SetLogDirectory(dir.path());
  }
  std::string OrvanelIni() const { return dir.Read("config/Orvanel.ini"); }
  TempDir dir;
};

TEST_F(LoadConfigurationTest, ReadsEveryGeneralKeyWithDefaultsAndAnyCase) {
  Settings s;
  settings::ReadGeneralSettings(platform::ProfileFile::Parse(""), s);
  EXPECT_EQ(s.largFen, 640);
  EXPECT_EQ(s.hautFen, 480);
  EXPECT_FALSE(s.modeFenetre);
  EXPECT_TRUE(s.transitions);
  EXPECT_EQ(s.keys.down, 672);
  EXPECT_EQ(s.keys.menuGen, 999);
  EXPECT_EQ(s.keys.favourites, 62);

  settings::ReadGeneralSettings(platform::ProfileFile::Parse("[general]\nlastemu=mame\nLARGFEN=800\nhautfen= 600x\n"
                                                    "modefenetre=OUI\nModeSortie=2\nAppSortie=\"a b\"\n"
                                                    "Transitions=yes\n[TOUCHES]\nvolumedownkey=12\n"
                                                    "VolumeUpKey=abc\n"),
                      s);
  EXPECT_EQ(s.lastEmu, "mame");
  EXPECT_EQ(s.largFen, 800);
  EXPECT_EQ(s.hautFen, 600);
  EXPECT_TRUE(s.modeFenetre);
  EXPECT_EQ(s.modeSortie, 2);
  EXPECT_EQ(s.appSortie, "a b");
  EXPECT_FALSE(s.transitions);  // only "YES" or "OUI" is true
  EXPECT_EQ(s.keys.volumeDown, 12);
  EXPECT_EQ(s.keys.volumeUp, 0);  // not a number
}

TEST_F(LoadConfigurationTest, ConfigKeysPathsAndFieldCuts) {
  Settings s;
  const std::string longName(300, 'x');
  settings::ReadConfigSettings(platform::ProfileFile::Parse("[Config]\nRomDir=.\\roms\nSnapDir=snaps\nMarqueesDir=D:\\m\n"
                                                  "IconsDir=\\\\server\\icons\nScrType=2abc\nLastGame=" +
                                                  longName + "\nRomsExt=" + longName +
                                                  "\nMusicVolume=-5\nCustom3Dir=/abs/c3\n"
                                                  "EmuExe=emu\\bin\\mame.exe\nTypeMenu=OUI\n"),
                     "/base", s);
  EXPECT_EQ(s.romDir, "/base\\roms");
  EXPECT_EQ(s.snapDir, "/base/snaps");
  EXPECT_EQ(s.marqueesDir, "D:\\m");
  EXPECT_EQ(s.iconsDir, "\\\\server\\icons");
  EXPECT_EQ(s.slideShowDir, "/base/snaps");  // defaults to the snapshot directory
  EXPECT_EQ(s.customDir[2], "/abs/c3");
  EXPECT_EQ(s.customDir[0], "");
  EXPECT_EQ(s.scrType, '2');
  EXPECT_EQ(s.lastGame.size(), 99u);
  EXPECT_EQ(s.romsExt.size(), 49u);
  EXPECT_EQ(s.musicVolume, -5);
  EXPECT_EQ(s.emuDirectory, "/base/emu\\bin");
  EXPECT_EQ(s.emuProgram, "mame.exe");
  EXPECT_TRUE(s.typeMenu);
  EXPECT_TRUE(s.sons);
  EXPECT_TRUE(s.guillemets);
  EXPECT_TRUE(s.cacherFenetre);
  EXPECT_EQ(s.templateDir, "");

  settings::ReadConfigSettings(platform::ProfileFile::Parse("[Config]\nSnapDir=snaps\nSlideShowDir=slides\nScrType=\n"),
                     "/base", s);
  EXPECT_EQ(s.slideShowDir, "/base/slides");
  EXPECT_EQ(s.scrType, '\0');
  EXPECT_EQ(s.lastGame, "0");
  EXPECT_EQ(s.musicVolume, 300);
}

TEST_F(LoadConfigurationTest, EmuExeSplitsAtTheLastSeparatorOfEitherKind) {
  std::string dirPart, program;
  settings::SplitEmuExe("C:\\emu\\mame.exe", "/b", dirPart, program);
  EXPECT_EQ(dirPart, "C:\\emu");
  EXPECT_EQ(program, "mame.exe");
  settings::SplitEmuExe("/usr/games/mame", "/b", dirPart, program);
  EXPECT_EQ(dirPart, "/usr/games");
  EXPECT_EQ(program, "mame");
  settings::SplitEmuExe("mame", "/b", dirPart, program);
  EXPECT_EQ(dirPart, "");
  EXPECT_EQ(program, "mame");
  settings::SplitEmuExe(".\\emu/mame", "/b", dirPart, program);
  EXPECT_EQ(dirPart, "/b\\emu");
  EXPECT_EQ(program, "mame");
  settings::SplitEmuExe("", "/b", dirPart, program);
  EXPECT_EQ(dirPart, "");
  EXPECT_EQ(program, "");
}

TEST_F(LoadConfigurationTest, ListStatisticsFileReplacesOnlyTheFileNameExtension) {
  EXPECT_EQ(settings::ListStatisticsFileName("C:\\lists\\mame.ini"), "C:\\lists\\mame.sta");
  EXPECT_EQ(settings::ListStatisticsFileName("C:\\lists\\mame"), "C:\\lists\\mame.sta");
  EXPECT_EQ(settings::ListStatisticsFileName("/opt/orvanel-1.0/lists/mame"), "/opt/orvanel-1.0/lists/mame.sta");
  EXPECT_EQ(settings::ListStatisticsFileName("/x/list.v2.txt"), "/x/list.v2.sta");
  EXPECT_EQ(settings::ListStatisticsFileName(".hidden"), ".hidden.sta");
  EXPECT_EQ(settings::ListStatisticsFileName(""), ".sta");
}

TEST_F(LoadConfigurationTest, StartUpLoadsLastEmuAndRewritesIt) {
  dir.Write("config/Orvanel.ini", "[General]\r\nLastEmu=Mame\r\nEmuBase=base\r\nLargFen=1024\r\n");
  dir.Write("config/mame/config.ini", "[config]\nfichierdescription=lists\\mame.ini\nsnapdir=snaps\n");
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
  EXPECT_EQ(gShell.settings.currentConfig, "Mame");
  EXPECT_EQ(gShell.settings.largFen, 1024);
  EXPECT_EQ(gShell.settings.listStatsFile, dir.path() + "/lists\\mame.sta");
  EXPECT_EQ(gShell.settings.snapDir, dir.path() + "/snaps");
  EXPECT_NE(gShell.configLoadTick, 0u);
  EXPECT_EQ(OrvanelIni(), "[General]\r\nLastEmu=Mame\r\nEmuBase=base\r\nLargFen=1024\r\n");
}

TEST_F(LoadConfigurationTest, FallsBackToEmuBaseAndRemembersIt) {
  dir.Write("config/Orvanel.ini", "[General]\nLastEmu=gone\nEmuBase=base\n");
  dir.Write("config/base/config.ini", "[Config]\nTemplateDir=T1\n");
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
  EXPECT_EQ(gShell.settings.currentConfig, "base");
  EXPECT_EQ(gShell.settings.templateDir, "T1");
  EXPECT_EQ(platform::ReadProfileString(dir / "config/Orvanel.ini", "General", "LastEmu", ""), "base");
}

// A configuration name that reaches outside config/ is refused like a missing one, from
// Orvanel.ini and from a menu list alike.
TEST_F(LoadConfigurationTest, ANameOutsideTheConfigFolderIsNeverLoaded) {
  dir.Write("elsewhere/config.ini", "[Config]\nTemplateDir=EVIL\n");
  dir.Write("config/base/config.ini", "[Config]\nTemplateDir=T1\n");
  dir.Write("config/Orvanel.ini", "[General]\nLastEmu=../elsewhere\nEmuBase=base\n");
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
  EXPECT_EQ(gShell.settings.currentConfig, "base");
  EXPECT_EQ(gShell.settings.templateDir, "T1");
  for (const char* name : {"../elsewhere", "..", "/abs", "a\\..\\..\\elsewhere"}) {
    gShell.settings.emuBase = "";
    EXPECT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, name), 0) << name;
    EXPECT_EQ(gShell.settings.templateDir, "T1") << name;
  }
  EXPECT_NE(dir.Read("debug.txt").find("Configuration refus\xC3\xA9" "e (contient ..) : ../elsewhere"), std::string::npos);
}

TEST_F(LoadConfigurationTest, MenuConfigurationIsNeverRememberedAsLastEmu) {
  dir.Write("config/Orvanel.ini", "[General]\nLastEmu=menu\n");
  dir.Write("config/menu/config.ini", "[Config]\nTypeMenu=YES\n");
  dir.Write("config/mame/config.ini", "[Config]\nTemplateDir=M\n");
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
  EXPECT_TRUE(gShell.settings.typeMenu);
  EXPECT_EQ(OrvanelIni(), "[General]\nLastEmu=menu\n");  // untouched, not even rewritten
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, "mame"), 1);
  EXPECT_EQ(platform::ReadProfileString(dir / "config/Orvanel.ini", "General", "LastEmu", ""), "mame");
}

TEST_F(LoadConfigurationTest, NoConfigurationLeavesSettingsAndNameUnchanged) {
  EXPECT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 0);  // nothing at all: defaults, then no file
  EXPECT_FALSE(dir.Read("config/Orvanel.ini").size());

  dir.Write("config/Orvanel.ini", "[General]\nLastEmu=a\n");
  dir.Write("config/a/config.ini", "[Config]\nTemplateDir=A\nRomDir=r\n");
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
  EXPECT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, "missing"), 0);
  EXPECT_EQ(gShell.settings.currentConfig, "a");
  EXPECT_EQ(gShell.settings.templateDir, "A");
  EXPECT_EQ(gShell.settings.romDir, dir.path() + "/r");
}

TEST_F(LoadConfigurationTest, SwitchDoesNotReadOrvanelIniAgain) {
  dir.Write("config/Orvanel.ini", "[General]\nLastEmu=a\nLargFen=700\n");
  dir.Write("config/a/config.ini", "[Config]\n");
  dir.Write("config/b/config.ini", "[Config]\nTemplateDir=B\n");
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
  dir.Write("config/Orvanel.ini", "[General]\nLastEmu=a\nLargFen=900\n");
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, "b"), 1);
  EXPECT_EQ(gShell.settings.largFen, 700);
  EXPECT_EQ(gShell.settings.currentConfig, "b");
}

TEST_F(LoadConfigurationTest, DirectoryAndFileNamesMatchInAnyCase) {
  dir.Write("Config/Orvanel.INI", "[General]\nLastEmu=MaMe\n");
  dir.Write("Config/MAME/Config.ini", "[Config]\nTemplateDir=X\n");
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
  EXPECT_EQ(gShell.settings.templateDir, "X");
}

}  // namespace
