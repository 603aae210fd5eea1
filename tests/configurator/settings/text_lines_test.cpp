#include "configurator/settings/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> AllLines(const std::string& text, std::vector<int>* counts = nullptr) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  std::string line;
  int n;
  while ((n = cfg::ReadTextLine(text, pos, line)) >= 0) {
    lines.push_back(line);
    if (counts) counts->push_back(n);
  }
  return lines;
}

TEST(ReadTextLine, SplitsLinesAsTheSettingsFilesNeed) {
  const struct {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"\r\n\n", {"", ""}},
      {"a\rb\n", {"ab"}},  // a lone CR is dropped, it ends nothing
      {std::string(500, 'x') + "yz\n", {std::string(500, 'x'), "yz"}},
      {std::string(500, 'x') + "\n", {std::string(500, 'x'), ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(AllLines(c.text), c.lines) << c.text.substr(0, 20);
}

TEST(WriteTextLine, LeavesOutSettingsWithoutValue) {
  std::string out;
  cfg::WriteTextLine(out, "[Config]", true);
  cfg::WriteTextLine(out, "RomsExt=", true);
  cfg::WriteTextLine(out, "", true);
  cfg::WriteTextLine(out, "RomDir=roms", true);
  cfg::WriteTextLine(out, "tail=", false);
  EXPECT_EQ(out, "[Config]\r\n\r\nRomDir=roms\r\ntail=");
}

TEST(ReadIniValue, FindsKeysByTheLineRules) {
  const struct {
    std::string text, section, key, expected;
  } cases[] = {
      {"[General]\nKey=5\n", "General", "Key", "5"},
      {"[General]\nKey =5\n", "General", "Key", "5"},
      {"[General]\nKey 5\n", "General", "Key", "def"},      // value starts two on: empty
      {"[General]\nKey \n", "General", "Key", "def"},       // never past the line's end
      {"[General]\nKey\n", "General", "Key", "def"},
      {"[general]\nkey=YES\n", "General", "Key", "YES"},
      {"[General] \nKey=5\n", "General", "Key", "def"},     // blank after the header
      {"[Other]\nKey=1\n[General]\nKey=2\n", "General", "Key", "2"},
      {"[General]\nKey=1\n[Other]\nKey=2\n", "Other", "Key", "2"},
      {"[General]\nKeyboard=1\nKey=2\n", "General", "Key", "2"},
      {"[General]\nKey=1\nKey=2\n", "General", "Key", "1"},
      {"Key=top\n[General]\nKey=2\n", "", "Key", "top"},
      {"[General]\nKey=\n", "General", "Key", "def"},
      {"[General]\r\nKey=a b \r\n", "General", "Key", "a b "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(cfg::ReadIniValue(c.text, c.section, c.key, "def"), c.expected) << c.text;
  EXPECT_EQ(cfg::ReadIniValue("[G]\nKey=123456\n", "G", "Key", "", 4), "123");
}

TEST(ParseFlag, OnlyUpperCaseYesAndOui) {
  for (const char* yes : {"YES", "OUI"}) EXPECT_TRUE(cfg::ParseFlag(yes)) << yes;
  for (const char* no : {"yes", "Oui", "NO", "", "YES ", "1"}) EXPECT_FALSE(cfg::ParseFlag(no)) << no;
  EXPECT_STREQ(cfg::FlagText(true), "YES");
  EXPECT_STREQ(cfg::FlagText(false), "NO");
}

}  // namespace
