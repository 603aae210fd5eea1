#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/profile.h"
#include "platform/text.h"
#include "settings/read_settings.h"
#include "settings/setting_fields.h"
#include "settings/setting_keys.h"
#include "settings/settings_paths.h"
#include "settings/write_settings.h"
#include "temp_dir.h"

using namespace settings;

TEST(SettingKeys, OneEntryPerKeyFoundInAnyCase) {
  std::set<std::string> seen;
  for (const SettingKey& k : SettingKeys()) {
    EXPECT_TRUE(seen.insert(platform::ToLowerCopy(std::string(k.section) + "/" + std::string(k.key))).second)
        << k.key;
    EXPECT_EQ(&Key(k.id), &k);
    EXPECT_EQ(FindSettingKey(platform::ToLowerCopy(k.section), platform::ToLowerCopy(k.key)), &k);
    EXPECT_EQ(k.section == "Config", k.file == SettingFile::Configuration) << k.key;
  }
  EXPECT_EQ(FindSettingKey("Config", "NoSuchKey"), nullptr);
  // The configurator keeps custom directories under both names; the frontend reads CustomNDir.
  for (int n = 1; n <= 6; ++n) {
    EXPECT_EQ(Key(CustomDirKey(n)).key, "Custom" + std::to_string(n) + "Dir");
    EXPECT_EQ(Key(RepCustomKey(n)).key, "RepCustom" + std::to_string(n));
    EXPECT_NE(Key(CustomDirKey(n)).field, nullptr);
    EXPECT_FALSE(Key(CustomDirKey(n)).configuratorOnly);
    EXPECT_TRUE(Key(RepCustomKey(n)).configuratorOnly);
  }
}

// Every field survives a write and a read through the table: the writer and the reader
// agree on section, key and text form.
TEST(SettingKeys, EveryFieldRoundTripsThroughTheFiles) {
  TempDir dir;
  const std::string path = dir.Write("config/Orvanel.ini", "; kept\r\n[Touches]\r\nOther=1\r\n");
  std::vector<SettingWrite> writes;
  for (const SettingKey& k : SettingKeys()) {
    std::string v;
    switch (k.type) {
      case SettingType::Int: case SettingType::Key: v = std::to_string(1000 + static_cast<int>(k.id)); break;
      case SettingType::Flag: v = FlagText(k.def != "YES"); break;
      case SettingType::Char: v = "7"; break;
      case SettingType::Path: v = "/abs/" + std::string(k.key); break;
      case SettingType::Text: v = "t" + std::string(k.key); break;
    }
    writes.push_back({k.id, v});
  }
  ASSERT_TRUE(WriteSettings(path, writes));
  const auto file = platform::ProfileFile::Load(path);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->Get("Touches", "Other", ""), "1");
  EXPECT_EQ(dir.Read("config/Orvanel.ini").rfind("; kept\r\n[Touches]\r\nOther=1\r\n", 0), 0u);
  Settings s;
  ReadGeneralSettings(*file, s);
  ReadConfigSettings(*file, "/base", s);
  for (const SettingWrite& w : writes) {
    const SettingKey& k = Key(w.id);
    EXPECT_EQ(ReadText(*file, k), w.value) << k.key;
    if (!k.field || k.configuratorOnly) continue;
    const SettingField f = k.field(s);
    if (auto p = std::get_if<std::string*>(&f)) {
      EXPECT_EQ(**p, w.value) << k.key;
    }
    if (auto p = std::get_if<int*>(&f)) {
      EXPECT_EQ(std::to_string(**p), w.value) << k.key;
    }
    if (auto p = std::get_if<bool*>(&f)) {
      EXPECT_EQ(FlagText(**p), w.value) << k.key;
    }
    if (auto p = std::get_if<char*>(&f)) {
      EXPECT_EQ(std::string(1, **p), w.value) << k.key;
    }
  }
  EXPECT_EQ(s.emuProgram, "tEmuExe");
}

TEST(IsFlagText, TrueOnlyForExactUpperCaseYesOrOui) {
  const std::pair<std::string_view, bool> cases[] = {
      {"OUI", true}, {"YES", true}, {"yes", false}, {"Oui", false}, {"1", false},
      {"", false},   {"YES!", false}, {" YES", false}, {"NO", false},
  };
  for (const auto& [text, flag] : cases) EXPECT_EQ(IsFlagText(text), flag) << text;
  // The reader trims the value before the rule sees it.
  Settings s;
  ReadGeneralSettings(platform::ProfileFile::Parse("[General]\nModeFenetre= YES \n"), s);
  EXPECT_TRUE(s.modeFenetre);
}

TEST(WriteSettings, CutsTextToItsFieldAndChangesOnlyTheGivenKeys) {
  TempDir dir;
  const std::string path = dir.Write("config/mame/config.ini", "[Config]\r\nromsext=zip\r\nEmuExe=mame\r\n");
  EXPECT_TRUE(WriteSetting(path, SettingId::RomsExt, std::string(80, 'x')));
  EXPECT_TRUE(WriteSetting(path, SettingId::LastGame, std::string(150, 'g')));
  const std::string text = dir.Read("config/mame/config.ini");
  EXPECT_EQ(text, "[Config]\r\nRomsExt=" + std::string(49, 'x') + "\r\nEmuExe=mame\r\nLastGame=" +
                      std::string(99, 'g') + "\r\n");
  EXPECT_EQ(ConfigurationPath(dir.path(), "MAME"), path);
}

// A record's defaults and the table's are one: an empty file read by either program's
// reader gives Settings{}, and every row's default is its field's default as text.
TEST(SettingKeys, AnEmptyFileReadsAsTheDefaultRecord) {
  std::vector<SettingId> all;
  for (const SettingKey& k : SettingKeys()) {
    all.push_back(k.id);
    if (k.field && k.defaultFrom == SettingId::Count) {
      EXPECT_EQ(FieldText(Settings{}, k), k.def) << k.key;
    }
  }
  const platform::ProfileFile empty;
  for (SettingFile file : {SettingFile::Main, SettingFile::Configuration}) {
    Settings written;
    ReadWrittenSettings(empty, file, written);
    EXPECT_TRUE(SameSettings(written, Settings{}, all));
  }
  Settings frontend;
  ReadGeneralSettings(empty, frontend);
  ReadConfigSettings(empty, "/base", frontend);
  EXPECT_TRUE(SameSettings(frontend, Settings{}, all));
  EXPECT_EQ(frontend.emuDirectory, "");
  EXPECT_EQ(frontend.emuProgram, "");
}

// The configurator's modified test, row by row: text by letter case aside, the rest exactly.
TEST(SameSettings, ComparesTheGivenKeysByTheirType) {
  const struct {
    SettingId id;
    const char* a;
    const char* b;
    bool same;
  } cases[] = {
      {SettingId::RomDir, "Roms", "ROMS", true},       {SettingId::TemplateDir, "Nuit", "nuit", true},
      {SettingId::RomDir, "roms", "roms2", false},     {SettingId::LargFen, "640", "0640", true},
      {SettingId::LargFen, "640", "641", false},       {SettingId::Sons, "YES", "OUI", true},
      {SettingId::Sons, "YES", "NO", false},           {SettingId::ScrType, "3", "30", true},
      {SettingId::ScrType, "1", "2", false},           {SettingId::DownKey, "672", "999", false},
      {SettingId::RepCustom2, "a", "A", true},         {SettingId::UtilExt, "NO", "YES", false},
  };
  for (const auto& c : cases) {
    Settings a, b;
    SetFieldText(a, Key(c.id), c.a);
    SetFieldText(b, Key(c.id), c.b);
    const SettingId only[] = {c.id};
    EXPECT_EQ(SameSettings(a, b, only), c.same) << Key(c.id).key << " " << c.a << " " << c.b;
    const SettingId other[] = {SettingId::MusicVolume};
    EXPECT_TRUE(SameSettings(a, b, other));
  }
}

// What the configurator reads is what the file says, not the frontend's fallbacks.
TEST(ReadWrittenSettings, KeepsPathsAsWrittenAndTakesNoFallback) {
  const auto file = platform::ProfileFile::Parse(
      "[Config]\nSnapDir=snap\nRomDir=..\\roms\nRepCustom2=mine\nCustom2Dir=theirs\nCustom3Dir=c3\nRepCustom4=r4\n"
      "Rotation=9\nUtilExt=YES\n");
  Settings s;
  ReadWrittenSettings(file, SettingFile::Configuration, s);
  EXPECT_EQ(s.romDir, "..\\roms");
  EXPECT_EQ(s.snapDir, "snap");
  EXPECT_EQ(s.slideShowDir, "");
  EXPECT_EQ(s.customDir[1], "theirs");  // the frontend's key first
  EXPECT_EQ(s.customDir[2], "c3");
  EXPECT_EQ(s.customDir[3], "r4");  // the configurator's when the frontend's is absent
  for (SettingId id : {SettingId::Custom2Dir, SettingId::RepCustom2}) EXPECT_TRUE(SharesField(id));
  for (SettingId id : {SettingId::RomDir, SettingId::SnapDir, SettingId::SlideShowDir, SettingId::UtilExt})
    EXPECT_FALSE(SharesField(id));
  EXPECT_EQ(s.rotation, 0);
  EXPECT_TRUE(s.utilExt);
  Settings frontend;
  ReadConfigSettings(file, "/base", frontend);
  EXPECT_EQ(frontend.slideShowDir, "/base/snap");
  EXPECT_EQ(frontend.customDir[1], "/base/theirs");
  EXPECT_FALSE(frontend.utilExt);
}

TEST(WriteSettingFields, KeepsAScreensaverNumberWhileItMeansTheSame) {
  const struct {
    const char* before;
    char field;
    const char* written;
  } cases[] = {{"ScrType=12", '1', "ScrType=12"}, {"ScrType=12", '2', "ScrType=2"},
               {"ScrType=", '\0', "ScrType=0"},   {"ScrType=x", 'x', "ScrType=0"},
               {"", '0', "ScrType=0"},            {"ScrType=3", '3', "ScrType=3"}};
  for (const auto& c : cases) {
    TempDir dir;
    const std::string path = dir.Write("config.ini", std::string("[Config]\r\n") + c.before + "\r\n");
    Settings s;
    s.scrType = c.field;
    const SettingId ids[] = {SettingId::ScrType};
    ASSERT_TRUE(WriteSettingFields(path, ids, s));
    EXPECT_NE(dir.Read("config.ini").find(std::string(c.written) + "\r\n"), std::string::npos) << c.before;
  }
}
