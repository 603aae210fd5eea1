// The pages write the same bytes for the same edits as the files kept beside this test,
// which earlier versions of the pages saved: an owner's files never change shape because
// the configurator was rebuilt. (A new EmuBase also sets LastEmu, in general_club, since the
// next start must open on it.)
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "configurator/pagemodel/edited_settings.h"
#include "settings/setting_fields.h"
#include "settings/setting_keys.h"
#include "temp_dir.h"

namespace {

using settings::SettingId;
using Edits = std::vector<std::pair<SettingId, std::string>>;

struct SavedFile {
  const char* name;  // saved/<name>.ini
  bool general;      // the General page (Orvanel.ini), else the Emus page (config.ini)
  const char* before;  // nullptr: no file yet
  Edits edits;
};

const std::string kLongPath = "roms/" + std::string(300, 'r');

const SavedFile kSavedFiles[] = {
    {"general_new", true, nullptr, {}},
    {"general_club", true,
     "; cabinet of the club\r\n[General]\r\nLastEmu=Mame\r\nEmuBase=Mame\r\nLargFen=800\r\n"
     "ModeSortie=2\r\nAppSortie=/usr/bin/shutdown-script\r\nMyOwnKey=42\r\n\r\n"
     "[Touches]\r\nVolumeDownKey=64\r\nDownKey=672\r\n\r\n[Extra]\r\nA=1\r\n",
     {{SettingId::LargFen, "1280"}, {SettingId::VolumeDownKey, "12"}, {SettingId::EmuBase, "Neo"}}},
    {"general_switches", true,
     "[General]\nLastEmu=Mame\nEmuBase=Gone\nEmuBase=Twice\nModeSortie=1\nTransitions=YES\n",
     {{SettingId::ModeFenetre, "YES"}, {SettingId::Transitions, "NO"}, {SettingId::EmuBase, ""},
      {SettingId::ModeSortie, "0"}, {SettingId::HautFen, "768"}}},
    {"general_odd_spelling", true,
     "[general]\r\nmodefenetre=yes\r\nlargfen= 800x\r\nemubase=\"Mame\"\r\n[touches]\r\nupkey=1\r\n"
     "upkey=2\r\nRotateKey=\r\n",
     {}},
    {"general_all_keys", true, "[Touches]\r\nQuitKey=2\r\n",
     {{SettingId::DownKey, "100"}, {SettingId::UpKey, "101"}, {SettingId::LeftKey, "102"},
      {SettingId::RightKey, "103"}, {SettingId::LaunchGameKey, "104"}, {SettingId::RandomGameKey, "105"},
      {SettingId::MenuKey, "106"}, {SettingId::MenuGenKey, "107"}, {SettingId::InfosKey, "108"},
      {SettingId::VolumeUPKey, "109"}, {SettingId::VolumeDownKey, "110"}, {SettingId::NextZicKey, "111"},
      {SettingId::QuitKey, "112"}, {SettingId::RotateKey, "113"}, {SettingId::JeuxFavoris, "999"}}},
    {"emus_new", false, nullptr, {}},
    {"emus_volume_only", false,
     "[Config]\r\nTemplateDir=Removed Template\r\nMenu=GoneMenu\r\nLastGame=pacman\r\n"
     "ListeFavoris=YES\r\nRepCustom1=mine\r\nCustom1Dir=theirs\r\nCustom3Dir=media\\flyers\r\n"
     "ScrType=12\r\nMyNote=keep me\r\nRotation=7\r\nSnapDir=snap\r\n\r\n[Other]\r\nX=1\r\n",
     {{SettingId::MusicVolume, "700"}}},
    {"emus_every_kind", false, "[Config]\r\nTemplateDir=Etoiles\r\nMenu=Menu\r\nRomsExt=zip\r\nScrType=3\r\n",
     {{SettingId::RomDir, "roms"}, {SettingId::EmuExe, "emu\\mame"}, {SettingId::RomsExt, std::string(60, 'e')},
      {SettingId::Custom2Dir, "cabinets"}, {SettingId::Menu, ""}, {SettingId::UtilExt, "YES"},
      {SettingId::ScrType, "2"}, {SettingId::Rotation, "3"}, {SettingId::Sons, "NO"},
      {SettingId::SlideShowDir, "slides"}, {SettingId::TemplateDir, "Nuit"}, {SettingId::ScrTimeOut, "45"},
      {SettingId::ScrDuration, "9"}, {SettingId::CacherFenetre, "NO"}, {SettingId::TypeMenu, "YES"},
      {SettingId::Guillemets, "NO"}, {SettingId::Move1Page, "YES"}, {SettingId::MusicSousRep, "YES"},
      {SettingId::SlideShowSousRep, "YES"}, {SettingId::FichierDescription, "lists\\mame.txt"},
      {SettingId::SnapDir, "snap"}, {SettingId::MarqueesDir, "marquees"}, {SettingId::IconsDir, "icons"},
      {SettingId::MusicFond, "music"}, {SettingId::Custom6Dir, "six"}}},
    {"emus_odd_values", false,
     "[config]\nscrtype=\nrotation=-1\nsons=oui\nMusicVolume=12abc\nCacherFenetre=no\nRepCustom2=\n"
     "Custom2Dir=lost\n",
     {}},
    {"emus_long_values", false, "[Config]\r\nScrType=x\r\n",
     {{SettingId::RomDir, kLongPath}, {SettingId::Custom4Dir, kLongPath}}},
};

std::string SaveWithEdits(const TempDir& dir, const SavedFile& c) {
  const std::string path = c.before ? dir.Write("file.ini", c.before) : dir / "file.ini";
  cfg::EditedSettings page(c.general ? cfg::kGeneralPageKeys : cfg::kEmusPageKeys);
  page.LoadFile(path);
  // As the page's controls do: the text into the key's field.
  for (const auto& [id, value] : c.edits) settings::SetFieldText(page.value, settings::Key(id), value);
  EXPECT_TRUE(page.Save(path));
  return dir.Read("file.ini");
}

std::string SavedPath(const char* name) {
  return std::string(ORV_SOURCE_DIR) + "/tests/configurator/pagemodel/saved/" + name + ".ini";
}

TEST(SavedFiles, SameEditsGiveTheSameBytes) {
  for (const SavedFile& c : kSavedFiles) {
    TempDir dir;
    const std::string saved = SaveWithEdits(dir, c);
    std::ifstream in(SavedPath(c.name), std::ios::binary);
    ASSERT_TRUE(in) << c.name;
    EXPECT_EQ(saved, std::string(std::istreambuf_iterator<char>(in), {})) << c.name;
  }
}

}  // namespace
