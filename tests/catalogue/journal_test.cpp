#include <gtest/gtest.h>

#include "catalogue/csv.h"
#include "catalogue/journal.h"
#include "platform/durable_files.h"
#include "platform/files.h"
#include "temp_dir.h"

using catalogue::DateTime;
using catalogue::FormatJournalLine;
using catalogue::JournalRead;
using catalogue::JournalRun;
using catalogue::ReadJournal;
using catalogue::ReadJournalText;
using catalogue::RunEnding;

namespace {

JournalRun MakeRun(std::string rom, std::string fullName, int day = 8, RunEnding ending = RunEnding::kNormal) {
  return {DateTime{{2026, 12, day}, 21, 4, 5}, 125, "mame", std::move(rom), std::move(fullName), {2, 0, 1, 0}, ending};
}

void ExpectSame(const JournalRun& a, const JournalRun& b) {
  EXPECT_EQ(a.start, b.start);
  EXPECT_EQ(a.durationS, b.durationS);
  EXPECT_EQ(a.configuration, b.configuration);
  EXPECT_EQ(a.romName, b.romName);
  EXPECT_EQ(a.fullName, b.fullName);
  EXPECT_EQ(a.coins, b.coins);
  EXPECT_EQ(a.ending, b.ending);
}

// Every awkward full name comes back as written, whatever surrounds it.
TEST(Journal, LinesReadBackWhateverTheFullNameHolds) {
  const std::vector<JournalRun> runs = {
      MakeRun("pacman", "Pac-Man (Midway)"),
      MakeRun("sf2", "Street Fighter II, The World Warrior", 8, RunEnding::kExitCombo),
      MakeRun("quote", "Le \"grand\" jeu", 9, RunEnding::kScreensaver),
      MakeRun("lines", "Ligne 1\r\nLigne 2\nLigne 3", 9, RunEnding::kFailed),
      MakeRun("edge", "\",\"\r\n,\"\"", 10),
      MakeRun("accent", "Défi à l'écran", 10),
      MakeRun("empty", "", 11),
  };
  std::string text(catalogue::kJournalHeader);
  for (const JournalRun& r : runs) text += FormatJournalLine(r);
  EXPECT_EQ(FormatJournalLine(runs[1]), "2026-12-08 21:04:05,125,mame,sf2,\"Street Fighter II, The World Warrior\",2,0,1,0,exit-combo\r\n");
  JournalRead read;
  ReadJournalText(text, read);
  EXPECT_EQ(read.skipped, 0);
  ASSERT_EQ(read.runs.size(), runs.size());
  for (std::size_t i = 0; i < runs.size(); ++i) ExpectSame(read.runs[i], runs[i]);
}

// Damaged lines are skipped and counted; the good lines around them all stay.
TEST(Journal, DamagedLinesAreSkippedAndCounted) {
  const std::string good = FormatJournalLine(MakeRun("good", "Bon"));
  const std::string cutInName = FormatJournalLine(MakeRun("cut", "Coupé \"ici\", vraiment")).substr(0, 50);
  const struct {
    const char* what;
    std::string text;
    int runs;
    int skipped;
  } kCases[] = {
      {"cut last line", good + good.substr(0, good.size() - 9), 1, 1},
      {"cut last line, no line end lost", good + good.substr(0, good.size() - 2), 1, 1},
      {"cut inside a quoted name, then appended after a line end", good + cutInName + "\r\n" + good + good, 3, 1},
      {"a column too many", good + "2026-12-08 21:04:05,1,mame,x,X,0,0,0,0,normal,extra\r\n" + good, 2, 1},
      {"a column too few", good + "2026-12-08 21:04:05,1,mame,x,X,0,0,0,normal\r\n" + good, 2, 1},
      {"a bad date", "2026-02-30 21:04:05,1,mame,x,X,0,0,0,0,normal\r\n" + good, 1, 1},
      {"a negative coin count", "2026-12-08 21:04:05,1,mame,x,X,-1,0,0,0,normal\r\n" + good, 1, 1},
      {"an unknown ending", "2026-12-08 21:04:05,1,mame,x,X,0,0,0,0,tilt\r\n" + good, 1, 1},
      {"text after a closing quote", "2026-12-08 21:04:05,1,mame,x,\"X\"y,0,0,0,0,normal\r\n" + good, 1, 1},
      {"LF line ends and blank lines", "\n" + std::string("2026-12-08 21:04:05,1,mame,x,X,0,0,0,0,normal\n\n"), 1, 0},
      {"a header later in the file is damage", good + std::string(catalogue::kJournalHeader), 1, 1},
      {"binary garbage", std::string("\0\xff\"\r\r,,\n", 8) + good, 1, 1},
  };
  for (const auto& c : kCases) {
    JournalRead read;
    ReadJournalText(c.text, read);
    EXPECT_EQ(int(read.runs.size()), c.runs) << c.what;
    EXPECT_EQ(read.skipped, c.skipped) << c.what;
    for (const JournalRun& r : read.runs) EXPECT_EQ(r.romName.size() < 10, true) << c.what;
  }
}

// The months are read in order, a missing month is no error, other files are not months.
TEST(Journal, MonthFilesAreReadInOrderAndOthersIgnored) {
  TempDir dir;
  dir.Write("stats/journal-2026-12.csv", std::string(catalogue::kJournalHeader) + FormatJournalLine(MakeRun("dec", "D")));
  dir.Write("stats/journal-2026-10.csv", FormatJournalLine(MakeRun("oct", "O", 1)));
  dir.Write("stats/journal-2026-13.csv", FormatJournalLine(MakeRun("bad", "B")));
  dir.Write("stats/journal-2026-11.csv.bak", FormatJournalLine(MakeRun("bak", "B")));
  dir.Write("stats/notes.txt", "x");
  const JournalRead read = ReadJournal(catalogue::JournalDirectory(dir.path()));
  EXPECT_EQ(read.files, 2);
  ASSERT_EQ(read.runs.size(), 2u);
  EXPECT_EQ(read.runs[0].romName, "oct");
  EXPECT_EQ(read.runs[1].romName, "dec");
  EXPECT_TRUE(ReadJournal(dir / "nowhere").runs.empty());
}

// The append: a header on a new file, a cut line left on a line of its own, a full disk
// that writes nothing.
TEST(Journal, AppendKeepsLinesWholeAfterACutAndOnAFullDisk) {
  TempDir dir;
  const std::string path = dir / "stats/journal-2026-12.csv";
  const std::string line = FormatJournalLine(MakeRun("a", "A"));
  const std::string header(catalogue::kJournalHeader);
  ASSERT_EQ(platform::AppendRecordDurably(path, line, header), platform::AppendResult::kWritten);
  EXPECT_EQ(platform::ReadWholeFile(path), header + line);
  // A whole last line: the next follows it directly, no empty line between.
  ASSERT_EQ(platform::AppendRecordDurably(path, line, header), platform::AppendResult::kWritten);
  EXPECT_EQ(platform::ReadWholeFile(path), header + line + line);
  platform::AppendToFile(path, line.substr(0, 20));  // the power went mid-line
  ASSERT_EQ(platform::AppendRecordDurably(path, line, header), platform::AppendResult::kWritten);
  EXPECT_EQ(platform::ReadWholeFile(path), header + line + line + line.substr(0, 20) + "\r\n" + line);
  JournalRead read;
  ReadJournalText(*platform::ReadWholeFile(path), read);
  EXPECT_EQ(read.runs.size(), 3u);
  EXPECT_EQ(read.skipped, 1);

  platform::InjectWriteFault(platform::WriteFault::kWriteNoSpace);
  EXPECT_EQ(platform::AppendRecordDurably(path, line, header), platform::AppendResult::kNoSpace);
  platform::InjectWriteFault(platform::WriteFault::kNone);
  EXPECT_EQ(platform::ReadWholeFile(path), header + line + line + line.substr(0, 20) + "\r\n" + line);
}

}  // namespace
