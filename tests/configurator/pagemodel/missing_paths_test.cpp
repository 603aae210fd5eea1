#include "configurator/pagemodel/missing_paths.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace {

using settings::SettingId;

TEST(MissingPaths, SaysWhatIsNotOnDisk) {
  TempDir dir;
  const std::string base = dir.path();
  dir.Write("Roms/a.zip", "");
  dir.Write("emu/mame", "");
  dir.Write("music.mp3", "");
  const struct {
    SettingId id;
    std::string value;
    std::string missing;
  } cases[] = {
      {SettingId::RomDir, "roms", ""},  // any letter case, as the frontend finds it
      {SettingId::RomDir, "", ""},      // empty: not used
      {SettingId::RomDir, "romz", "Répertoire introuvable : " + base + "/romz"},
      {SettingId::RomDir, "emu/mame", "Répertoire introuvable : " + base + "/emu/mame"},  // a file is no folder
      {SettingId::SnapDir, "/nowhere/snap", "Répertoire introuvable : /nowhere/snap"},
      {SettingId::Custom6Dir, ".\\Roms", ""},
      {SettingId::MusicFond, "music.mp3", ""},  // a file or a folder
      {SettingId::MusicFond, "Roms", ""},
      {SettingId::MusicFond, "song.mp3", "Fichier ou répertoire introuvable : " + base + "/song.mp3"},
      {SettingId::EmuExe, "emu\\mame", ""},
      {SettingId::EmuExe, "emu/mame64", "Programme introuvable : " + base + "/emu/mame64"},
      {SettingId::EmuExe, ".\\mame", "Programme introuvable : " + base + "/mame"},
      {SettingId::EmuExe, "sh", ""},  // a bare name is looked up in PATH
      {SettingId::EmuExe, "no-such-emulator-x", "Programme introuvable : no-such-emulator-x (dans le PATH)"},
      {SettingId::FichierDescription, "nothing.txt", ""},  // not a folder or a program
  };
  for (const auto& c : cases) EXPECT_EQ(cfg::MissingText(base, c.id, c.value), c.missing) << c.value;

  Settings s;
  s.emuExe = "emu/mame";
  s.romDir = "romz";
  s.customDir[2] = "flyers";
  s.videoDir = "Roms";
  const std::vector<std::string> missing = cfg::MissingPaths(base, s);
  EXPECT_EQ(missing, (std::vector<std::string>{"Roms : " + base + "/romz", "Custom 3 : " + base + "/flyers"}));
  EXPECT_EQ(cfg::SaveQuestionText(missing), "Ces chemins n'existent pas :\n    Roms : " + base + "/romz\n    Custom 3 : " +
                                                base + "/flyers\n\nEnregistrer les modifications ?");
  EXPECT_EQ(cfg::SaveQuestionText({"Roms : /r"}), "Ce chemin n'existe pas :\n    Roms : /r\n\nEnregistrer les modifications ?");
  EXPECT_EQ(cfg::SaveQuestionText({}), "Enregistrer les modifications ?");
}

}  // namespace
