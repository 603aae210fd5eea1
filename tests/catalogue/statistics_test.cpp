#include <gtest/gtest.h>

#include "catalogue/catalogue_state.h"
#include "catalogue/game_run.h"
#include "catalogue/statistics.h"
#include "platform/profile.h"
#include "temp_dir.h"

using catalogue::AddCount;
using catalogue::AddPlayTime;
using catalogue::BeginGameRun;
using catalogue::CountTrackedKey;
using catalogue::FormatPlayTime;
using catalogue::GameRun;
using catalogue::ListSectionName;
using catalogue::ParsePlayTime;
using catalogue::ReadGlobalTotals;
using catalogue::ReadListTotals;
using catalogue::ReadStatistics;
using catalogue::SaveGameRun;
using catalogue::SaveStatistics;
using catalogue::SaveTotalTimes;
using catalogue::Statistics;
using catalogue::StatisticsRecord;
using catalogue::TurnIntoNormalRun;
using catalogue::kGameStatistics;
using catalogue::kGlobalStatistics;
using catalogue::kListStatistics;

namespace {

class StatisticsFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    statistics.files = {tmp / "Orvanel.sta", tmp / "lists/mame.sta", "mame"};
    tmp.Write("lists/mame.txt", "");
  }
  std::string Get(const std::string& file, const std::string& section, const std::string& key) {
    return platform::ReadProfileString(tmp / file, section, key, "<none>");
  }
  Statistics statistics;
  TempDir tmp;
};

}  // namespace

TEST(PlayTime, FormatAndParse) {
  EXPECT_EQ(FormatPlayTime(3723000), "1:2.3");
  EXPECT_EQ(FormatPlayTime(125000), "0:2.5");
  EXPECT_EQ(FormatPlayTime(999), "0:0.0");
  EXPECT_EQ(FormatPlayTime(4294967295u), "1193:2.47");
  EXPECT_EQ(ParsePlayTime("1:59.59"), 7199000u);
  EXPECT_EQ(ParsePlayTime("1:2.3"), 3723000u);
  EXPECT_EQ(ParsePlayTime("1193:2.47"), 4294967000u);
  EXPECT_EQ(ParsePlayTime("abc"), 0u);
  EXPECT_EQ(ParsePlayTime("2.5"), 125000u);
  EXPECT_EQ(ParsePlayTime("1:30"), 5400000u);
  EXPECT_EQ(ParsePlayTime("99999999999999999999:0.0"), 4294967295u);
  EXPECT_EQ(ParsePlayTime("-5:0.0"), 0u);
}

TEST(ListSection, NameWithoutDirectoryAndExtension) {
  EXPECT_EQ(ListSectionName("C:\\lists\\mame.txt"), "mame");
  EXPECT_EQ(ListSectionName("/x/y/arcade.list.txt"), "arcade.list");
  EXPECT_EQ(ListSectionName("/x/.hidden"), ".hidden");
  EXPECT_EQ(ListSectionName("noext"), "noext");
}

TEST(Counts, SaturateInsteadOfWrapping) {
  EXPECT_EQ(AddCount(2147483647, 1), 2147483647);
  EXPECT_EQ(AddCount(5, INT64_MAX), 2147483647);
  EXPECT_EQ(AddCount(-5, 3), -2);
  EXPECT_EQ(AddPlayTime(4294967000u, 1000), 4294967295u);
}

TEST_F(StatisticsFilesTest, WritesOnlyWhatIsSetInOneReplaceLikeKeyByKeyWrites) {
  const std::string before = "; kept comment\r\n[samplegm]\r\nNb=7\r\nC2=4\r\nOther=x\r\n[other]\r\nNb=1\r\n";
  tmp.Write("lists/mame.sta", before);
  StatisticsRecord r;
  r.nbScr = 2;
  r.c = {3, 0, 0, 0};
  r.playTime = 125000;
  ASSERT_TRUE(SaveStatistics(statistics.files, "samplegm", r, kGameStatistics));
  const std::string ours = tmp.Read("lists/mame.sta");

  // The same keys written one by one through the profile writer.
  tmp.Write("lists/copy.sta", before);
  platform::WriteProfileString(tmp / "lists/copy.sta", "samplegm", "NbScr", "2");
  platform::WriteProfileString(tmp / "lists/copy.sta", "samplegm", "C1", "3");
  platform::WriteProfileString(tmp / "lists/copy.sta", "samplegm", "TpsJeux", "0:2.5");
  EXPECT_EQ(ours, tmp.Read("lists/copy.sta"));

  EXPECT_EQ(Get("lists/mame.sta", "samplegm", "Nb"), "7");  // not written: kept
  EXPECT_EQ(Get("lists/mame.sta", "samplegm", "Dt"), "<none>");
  EXPECT_EQ(Get("lists/mame.sta", "samplegm", "TpsTot"), "<none>");
  EXPECT_NE(ours.find("; kept comment"), std::string::npos);

  // Nb brings Dt with it.
  StatisticsRecord played;
  played.nb = 8;
  ASSERT_TRUE(SaveStatistics(statistics.files, "samplegm", played, kGameStatistics));
  EXPECT_EQ(Get("lists/mame.sta", "samplegm", "Nb"), "8");
  EXPECT_NE(Get("lists/mame.sta", "samplegm", "Dt"), "<none>");

  // Nothing set: nothing written, no file created.
  EXPECT_TRUE(SaveStatistics(statistics.files, "x", StatisticsRecord{}, kGlobalStatistics));
  EXPECT_FALSE(std::filesystem::exists(tmp / "Orvanel.sta"));
}

TEST_F(StatisticsFilesTest, ReadsRecordsAndCountsUnreadableValuesAsZero) {
  tmp.Write("Orvanel.sta",
            "[StatGen]\r\nNbExec=4\r\nNb=abc\r\nNbScr=3\r\nC4=2\r\nTpsJeux=1:59.59\r\nTpsTot=2:0.0\r\n"
            "[mame]\r\nNb=5\r\nTpsTot=0:1.0\r\n");
  StatisticsRecord global;
  global.nb = 99;
  ASSERT_EQ(ReadStatistics(statistics.files, "", global, kGlobalStatistics), 1);
  EXPECT_EQ(global.nb, 0);
  EXPECT_EQ(global.nbScr, 3);
  EXPECT_EQ(global.c[3], 2);
  EXPECT_EQ(global.playTime, 7199000u);
  EXPECT_EQ(global.totalTime, 7200000u);
  StatisticsRecord list;
  ASSERT_EQ(ReadStatistics(statistics.files, "", list, kListStatistics), 1);
  EXPECT_EQ(list.nb, 5);
  EXPECT_EQ(list.totalTime, 60000u);

  // A missing file leaves the record as it was.
  StatisticsRecord game;
  game.nb = 42;
  EXPECT_EQ(ReadStatistics(statistics.files, "samplegm", game, kGameStatistics), 0);
  EXPECT_EQ(game.nb, 42);
  // The game record has no TpsTot.
  tmp.Write("lists/mame.sta", "[samplegm]\nTpsTot=1:0.0\nNb=2\n");
  game.totalTime = 7;
  ASSERT_EQ(ReadStatistics(statistics.files, "SAMPLEGM", game, kGameStatistics), 1);
  EXPECT_EQ(game.nb, 2);
  EXPECT_EQ(game.totalTime, 7u);
}

TEST_F(StatisticsFilesTest, GarbageFileIsKeptAroundTheNewValues) {
  using namespace std::string_literals;
  const std::string junk = "\x01\x02[bin\xFF\r\n\0\0zz=\r\n[StatGen]\r\nNbExec=abc\r\nweird line\r\n\0"s;
  tmp.Write("Orvanel.sta", junk);
  statistics.global = {};
  ReadGlobalTotals(statistics, 1000);
  EXPECT_EQ(statistics.global.totalTime, 0u);
  SaveTotalTimes(statistics, 61000);
  const std::string after = tmp.Read("Orvanel.sta");
  EXPECT_NE(after.find("weird line"), std::string::npos);
  EXPECT_NE(after.find("[bin\xFF"), std::string::npos);
  EXPECT_NE(after.find("NbExec=abc"), std::string::npos);
  EXPECT_EQ(Get("Orvanel.sta", "StatGen", "TpsTot"), "0:1.0");
}

TEST_F(StatisticsFilesTest, TotalTimesGrowFromTheirOwnBases) {
  tmp.Write("Orvanel.sta", "[StatGen]\r\nTpsTot=1:0.0\r\n[mame]\r\nTpsTot=0:10.0\r\n");
  ReadGlobalTotals(statistics, 1000);
  ReadListTotals(statistics, 31000);
  SaveTotalTimes(statistics, 61000);
  EXPECT_EQ(Get("Orvanel.sta", "StatGen", "TpsTot"), "1:1.0");
  EXPECT_EQ(Get("Orvanel.sta", "mame", "TpsTot"), "0:10.30");
  SaveTotalTimes(statistics, 91000);  // always from the base read at load, never accumulated twice
  EXPECT_EQ(Get("Orvanel.sta", "StatGen", "TpsTot"), "1:1.30");
  EXPECT_EQ(Get("Orvanel.sta", "mame", "TpsTot"), "0:11.0");
}

TEST_F(StatisticsFilesTest, TwoLaunchesAndCoinsCountEverywhere) {
  ReadGlobalTotals(statistics, 0);
  ReadListTotals(statistics, 0);
  GameRun first = BeginGameRun(statistics, "samplegm", false, 1000);
  for (int i = 0; i < 3; ++i) CountTrackedKey(first, 1);
  CountTrackedKey(first, 9);  // not a tracked key
  SaveGameRun(statistics, first, 1000 + 125000);
  GameRun second = BeginGameRun(statistics, "samplegm", false, 200000);
  SaveGameRun(statistics, second, 200000 + 60000);

  EXPECT_EQ(Get("lists/mame.sta", "samplegm", "Nb"), "2");
  EXPECT_NE(Get("lists/mame.sta", "samplegm", "Dt"), "<none>");
  EXPECT_EQ(Get("lists/mame.sta", "samplegm", "C1"), "3");
  EXPECT_EQ(Get("lists/mame.sta", "samplegm", "TpsJeux"), "0:3.5");
  EXPECT_EQ(Get("lists/mame.sta", "samplegm", "TpsTot"), "<none>");
  for (const char* section : {"StatGen", "mame"}) {
    EXPECT_EQ(Get("Orvanel.sta", section, "Nb"), "2") << section;
    EXPECT_EQ(Get("Orvanel.sta", section, "C1"), "3") << section;
    EXPECT_EQ(Get("Orvanel.sta", section, "TpsJeux"), "0:3.5") << section;
    EXPECT_EQ(Get("Orvanel.sta", section, "TpsTot"), "0:4.20") << section;
  }
}

TEST_F(StatisticsFilesTest, ScreensaverRunsCountOnlyTheirStartUnlessTurnedNormal) {
  ReadGlobalTotals(statistics, 0);
  ReadListTotals(statistics, 0);
  GameRun attract = BeginGameRun(statistics, "samplegm", true, 1000);
  CountTrackedKey(attract, 2);
  SaveGameRun(statistics, attract, 90000);
  EXPECT_EQ(Get("lists/mame.sta", "samplegm", "NbScr"), "1");
  EXPECT_EQ(Get("lists/mame.sta", "samplegm", "Nb"), "<none>");
  EXPECT_EQ(Get("lists/mame.sta", "samplegm", "TpsJeux"), "<none>");
  EXPECT_EQ(Get("Orvanel.sta", "StatGen", "NbScr"), "1");

  GameRun coin = BeginGameRun(statistics, "samplegm", true, 100000);
  CountTrackedKey(coin, 1);
  TurnIntoNormalRun(statistics, coin, 110000);
  SaveGameRun(statistics, coin, 170000);
  EXPECT_EQ(Get("lists/mame.sta", "samplegm", "NbScr"), "2");
  EXPECT_EQ(Get("lists/mame.sta", "samplegm", "Nb"), "1");
  EXPECT_EQ(Get("lists/mame.sta", "samplegm", "C1"), "1");
  EXPECT_EQ(Get("lists/mame.sta", "samplegm", "TpsJeux"), "0:1.0");
  EXPECT_EQ(Get("Orvanel.sta", "mame", "NbScr"), "2");
  EXPECT_EQ(Get("Orvanel.sta", "mame", "Nb"), "1");
  EXPECT_EQ(statistics.global.nb, 1);
  EXPECT_EQ(statistics.global.nbScr, 2);
}

TEST_F(StatisticsFilesTest, SectionHeadersWrittenByHandReadAsTheWriterSeesThem) {
  for (const char* header : {"[StatGen] ", " [statgen]", "[ StatGen ]\t"}) {
    SCOPED_TRACE(header);
    tmp.Write("Orvanel.sta", std::string(header) + "\r\nNb=5\r\nC1=2\r\n");
    StatisticsRecord r;
    ASSERT_EQ(ReadStatistics(statistics.files, "", r, kGlobalStatistics), 1);
    EXPECT_EQ(r.nb, 5);
    EXPECT_EQ(r.c[0], 2);
    r.nb += 1;
    ASSERT_TRUE(SaveStatistics(statistics.files, "", r, kGlobalStatistics));
    const std::string text = tmp.Read("Orvanel.sta");
    EXPECT_EQ(text.find("Nb=6"), text.rfind("Nb=6"));  // one section, updated in place
    EXPECT_EQ(text.find("tat"), text.rfind("tat"));
    EXPECT_EQ(Get("Orvanel.sta", "StatGen", "C1"), "2");
  }
}
