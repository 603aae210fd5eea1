// The journal line each game run leaves, however it ended, and what a disk that refuses
// it costs: the line only.
#include "launch_fixture.h"

#include "catalogue/journal.h"
#include "frontend/shell/journal_entry.h"
#include "frontend/shell/launch_game.h"
#include "frontend/shell/shell_state.h"
#include "platform/files.h"

namespace {

class JournalLaunch : public LaunchFixture {
 protected:
  catalogue::JournalRead Journal() const { return catalogue::ReadJournal(dir_ / "stats"); }
};

TEST_F(JournalLaunch, EveryRunLeavesOneLineSayingHowItEnded) {
  shell::gShell.settings.currentConfig = "emu";
  const struct {
    const char* script;
    int screensaver;
    catalogue::RunEnding ending;
  } kCases[] = {
      {"exit_code=0", 0, catalogue::RunEnding::kNormal},
      {"exit_code=2;say=rom1.zip NOT FOUND", 0, catalogue::RunEnding::kFailed},
      {"exit_code=0", 1, catalogue::RunEnding::kScreensaver},
  };
  std::size_t lines = 0;
  for (const auto& c : kCases) {
    Script(c.script);
    EXPECT_EQ(shell::LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "rom1", c.screensaver, 0), 1);
    const catalogue::JournalRead read = Journal();
    ASSERT_EQ(read.runs.size(), ++lines) << c.script;
    const catalogue::JournalRun& run = read.runs.back();
    EXPECT_EQ(run.ending, c.ending) << c.script;
    EXPECT_EQ(run.romName, "rom1");
    EXPECT_EQ(run.fullName, "rom1");  // not in the list: its ROM name
    EXPECT_EQ(run.configuration, "emu");
    EXPECT_LT(run.durationS, 3u);
  }
  EXPECT_EQ(Journal().skipped, 0);
}

TEST_F(JournalLaunch, ARefusedLineIsLoggedAndTheRunStillCounts) {
  dir_.Write("stats", "a file where the journal's folder should be");
  EXPECT_EQ(shell::LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "rom1", 0, 0), 1);
  EXPECT_EQ(GameStat("rom1", "Nb"), "1");
  EXPECT_NE(Log().find("Journal des parties : ligne perdue pour rom1 (\xC3\xA9" "criture impossible)"), std::string::npos)
      << Log();

  platform::InjectWriteFault(platform::WriteFault::kWriteNoSpace);
  catalogue::JournalRun run{{{2026, 12, 8}, 21, 0, 0}, 5, "emu", "rom2", "Rom Two", {1, 0, 0, 0}, {}};
  EXPECT_FALSE(shell::AppendJournalLine(dir_ / "other", run));
  platform::InjectWriteFault(platform::WriteFault::kNone);
  EXPECT_NE(Log().find("ligne perdue pour rom2 (disque plein)"), std::string::npos) << Log();
  EXPECT_FALSE(std::filesystem::exists(dir_ / "other/stats/journal-2026-12.csv"));
}

}  // namespace
