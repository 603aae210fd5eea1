#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/journal.h"
#include "configurator/books/books_load.h"
#include "configurator/books/stats_reset.h"
#include "platform/files.h"
#include "temp_dir.h"

using namespace cfg;
using Kind = cfg::ResetStep::Kind;

namespace {

const platform::LocalDateTime kNow{2026, 12, 8, 21, 30, 5};

class StatsResetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(dir / "stats");  // a fresh installation for each round
    files = {
        {"Orvanel.sta", "[StatGen]\r\nNbExec=7\r\nTpsTot=2:0.0\r\n"},
        {"lists/mame.sta", "[pacman]\r\nNb=3\r\nC1=4\r\n"},
        {"lists/neo.sta", "[mslug]\r\nNb=1\r\nC2=2\r\n"},
        {"stats/journal-2026-11.csv", std::string(catalogue::kJournalHeader) +
                                          "2026-11-30 20:00:00,100,mame,pacman,Pac-Man,1,0,0,0,normal\r\n"},
        {"stats/journal-2026-12.csv", "2026-12-01 20:00:00,100,neo,mslug,Metal Slug,0,2,0,0,normal\r\n"},
    };
    for (const auto& [name, content] : files) dir.Write(name, content);
    source = {dir / "Orvanel.sta", {{"mame", dir / "lists/mame.sta"}, {"neo", dir / "lists/neo.sta"},
                                    {"mame2", dir / "lists/mame.sta"}}, dir / "stats"};
  }
  void ExpectAsItWas(const std::string& what) {
    for (const auto& [name, content] : files) EXPECT_EQ(platform::ReadWholeFile(dir / name), content) << what << ": " << name;
    EXPECT_TRUE(ArchiveFolders(dir.path()).empty()) << what;
    for (const auto& e : std::filesystem::directory_iterator(dir / "stats"))
      EXPECT_EQ(e.path().filename().string().find("archive"), std::string::npos) << what << ": " << e.path();
  }
  TempDir dir;
  std::vector<std::pair<std::string, std::string>> files;
  BooksSource source;
};

// Nothing is cleared before the whole archive has its final name.
TEST_F(StatsResetTest, PlanArchivesEverythingBeforeClearingAnything) {
  const ResetPlan plan = PlanReset(source, dir / "stats", kNow);
  EXPECT_EQ(plan.archive, dir / "stats/archive-2026-12-08_213005");
  std::vector<Kind> kinds;
  for (const ResetStep& s : plan.steps) kinds.push_back(s.kind);
  EXPECT_EQ(kinds, (std::vector<Kind>{Kind::kArchive, Kind::kArchive, Kind::kArchive, Kind::kArchive, Kind::kArchive,
                                      Kind::kArchive, Kind::kSeal, Kind::kClear, Kind::kClear, Kind::kClear,
                                      Kind::kRemove, Kind::kRemove}));
}

TEST_F(StatsResetTest, ResetArchivesThenClearsAndTheArchiveReadsAsBefore) {
  const BooksSource before = source;
  const Books booksBefore = TallyLoaded(LoadBooks(source), source, Period{}, "");
  const ResetPlan plan = PlanReset(source, dir / "stats", kNow);
  ASSERT_TRUE(RunReset(plan).done);
  for (const char* sta : {"Orvanel.sta", "lists/mame.sta", "lists/neo.sta"}) EXPECT_EQ(platform::ReadWholeFile(dir / sta), "");
  EXPECT_TRUE(catalogue::JournalFiles(dir / "stats").empty());
  EXPECT_EQ(ArchiveFolders(dir.path()), std::vector<std::string>{plan.archive});
  const Books now = TallyLoaded(LoadBooks(source), source, Period{}, "");
  EXPECT_EQ(now.coins, 0);
  // "Période archivée": the archive shows the books as they were.
  const BooksSource archived = ArchivedBooks(plan.archive);
  EXPECT_EQ(archived.lists.size(), 3u);
  const Books old = TallyLoaded(LoadBooks(archived), archived, Period{}, "");
  EXPECT_EQ(old.coins, booksBefore.coins);
  EXPECT_EQ(old.coins, 3);
  EXPECT_EQ(old.plays, 2);
  EXPECT_EQ(PlanReset(source, dir / "stats", kNow).archive, plan.archive + "-2");
}

// A disk that fails at any step: one failing write (a transient fault) leaves everything as
// it was; a disk that stays failed leaves everything as it was while the archive is being
// made, and after that keeps the old books in the archive.
TEST_F(StatsResetTest, FailingDiskAtEveryStep) {
  const std::size_t steps = PlanReset(source, dir / "stats", kNow).steps.size();
  const std::size_t archiveWrites = 7;  // six copies and the seal
  for (const bool transient : {true, false}) {
    for (std::size_t at = 0; at < steps; ++at) {
      SetUp();
      const ResetPlan plan = PlanReset(source, dir / "stats", kNow);
      // A transient fault fails one write: the disk is good again for the undo.
      platform::InjectWriteFault(platform::WriteFault::kWriteNoSpace, int(at), transient ? 1 : -1);
      const ResetResult result = RunReset(plan);
      platform::InjectWriteFault(platform::WriteFault::kNone);
      const std::string what = std::string(transient ? "transient" : "lasting") + " fault at write " + std::to_string(at);
      if (at >= 10) {  // 7 archive writes + 3 clears: no write left to fail
        EXPECT_TRUE(result.done) << what;
        continue;
      }
      EXPECT_FALSE(result.done) << what;
      EXPECT_FALSE(result.failedFile.empty()) << what;
      if (at < archiveWrites || result.restored) {
        EXPECT_TRUE(result.restored) << what;
        ExpectAsItWas(what);
      } else {
        // Cleared files whose old content the archive holds; the rest untouched.
        const BooksSource archived = ArchivedBooks(plan.archive);
        EXPECT_EQ(platform::ReadWholeFile(archived.globalFile), files[0].second) << what;
        EXPECT_EQ(platform::ReadWholeFile(ArchivedListFile(plan.archive, "neo")), files[2].second) << what;
      }
    }
  }
}

}  // namespace
