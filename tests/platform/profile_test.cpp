#include "platform/profile.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

using platform::ProfileFile;
using platform::ProfileValue;

TEST(Profile, ReadsWithTheProfileRules) {
  auto f = ProfileFile::Parse(
      "[General]\r\n"
      "  LastEmu =  mame  \r\n"
      "VolumeDOWNKey=64\r\n"
      "Quoted=\"  a b \"\r\n"
      "Single='x'\r\n"
      "Odd=\"x'\r\n"
      "Eq=a=b\r\n"
      "[general]\r\n"
      "LastEmu=second\r\n");
  EXPECT_EQ(f.Get("GENERAL", "lastemu", "d"), "mame");
  EXPECT_EQ(f.Get("General", "VolumeDownKey", "d"), "64");
  EXPECT_EQ(f.Get("General", "Quoted", "d"), "  a b ");
  EXPECT_EQ(f.Get("General", "Single", "d"), "x");
  EXPECT_EQ(f.Get("General", "Odd", "d"), "\"x'");
  EXPECT_EQ(f.Get("General", "Eq", "d"), "a=b");
  EXPECT_EQ(f.Get("General", "Missing", "def"), "def");
  EXPECT_EQ(f.Get("Other", "LastEmu", "def"), "def");
}

TEST(Profile, CutsToTheBufferAndReadsLfFilesLikeCrLf) {
  auto lf = ProfileFile::Parse("[S]\nName=abcdefghij\n");
  auto crlf = ProfileFile::Parse("[S]\r\nName=abcdefghij\r\n");
  EXPECT_EQ(lf.Get("S", "Name", "", 5), "abcd");
  EXPECT_EQ(lf.Get("S", "Name", ""), crlf.Get("S", "Name", ""));
  EXPECT_EQ(lf.Get("S", "Name", "", 1), "");
}

TEST(Profile, IgnoresLinesOutsideSectionsAndHeadersWithoutBracket) {
  auto f = ProfileFile::Parse("Key=outside\n[S\nKey=inside broken\n[T]\nKey=t\n\x01\xff binary\n");
  EXPECT_EQ(f.Get("S", "Key", "d"), "d");
  EXPECT_EQ(f.Get("T", "Key", "d"), "t");
}

TEST(Profile, UpdateKeepsOtherLinesAndAddsMissingKeysAndSections) {
  const std::string text = "; comment\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n";
  std::vector<ProfileValue> v{{"X", "10"}, {"z", "3"}};
  EXPECT_EQ(platform::UpdateProfileText(text, "a", v),
            "; comment\r\n[A]\r\nX=10\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
  std::vector<ProfileValue> w{{"k", "v"}};
  EXPECT_EQ(platform::UpdateProfileText(text, "C", w), text + "\r\n[C]\r\nk=v\r\n");
  EXPECT_EQ(platform::UpdateProfileText("", "C", w), "[C]\r\nk=v\r\n");
  EXPECT_EQ(platform::UpdateProfileText("[A]\nx=1\n", "A", w), "[A]\r\nx=1\r\nk=v\r\n");
}

TEST(Profile, WriteCreatesTheFileAndReplacesItWhole) {
  TempDir dir;
  const std::string path = dir / "Orvanel.sta";
  ASSERT_TRUE(platform::WriteProfileString(path, "StatGen", "NbExec", "1"));
  EXPECT_EQ(dir.Read("Orvanel.sta"), "[StatGen]\r\nNbExec=1\r\n");
  ASSERT_TRUE(platform::WriteProfileString(path, "StatGen", "NbExec", "2"));
  EXPECT_EQ(platform::ReadProfileString(path, "statgen", "nbexec", "0"), "2");
  EXPECT_EQ(platform::ReadProfileString(dir / "missing.ini", "a", "b", "dflt"), "dflt");
}

TEST(Profile, WriteFailsCleanlyInAMissingDirectory) {
  TempDir dir;
  EXPECT_FALSE(platform::WriteProfileString(dir / "no/such/dir/x.ini", "S", "k", "v"));
}
