#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/profile.h"
#include "platform/text.h"
#include "settings/read_settings.h"
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
    EXPECT_EQ(Key(RepCustomKey(n)).field, nullptr);
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
    if (!k.field) continue;
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
