// Every writer of the frontend meets a disk that fails at each step of a replace: the old
// file stays whole, no temporary is left beside it, the failure is in the log, and the
// program goes on (the next write, once the disk is well again, goes through).
#include "frontend/shell/shell_state.h"
#include "shell_installation.h"

#include <functional>

#include "catalogue/favourites.h"
#include "catalogue/statistics.h"
#include "frontend/shell/count_run.h"
#include "platform/debug_log.h"
#include "platform/files.h"

using shell::CountRun;
using shell::LoadConfiguration;
using shell::gShell;

using catalogue::SaveFavourites;
using catalogue::SaveStatistics;
using catalogue::StatisticsFiles;
using catalogue::StatisticsRecord;
using catalogue::kGameStatistics;
using catalogue::kGlobalStatistics;
using catalogue::kListStatistics;

namespace {

using shelltest::Crlf;

struct Writer {
  const char* name;
  const char* file;  // below the installation
  std::function<void(const std::string& base)> write;
};

StatisticsRecord Played() {
  StatisticsRecord r;
  r.nb = 3;
  r.c[0] = 2;
  r.playTime = 61000;
  return r;
}

StatisticsFiles Files(const std::string& base) {
  return {base + "/Orvanel.sta", base + "/lists/arcade.sta", "arcade"};
}

const Writer kWriters[] = {
    {"LastEmu in Orvanel.ini", "config/Orvanel.ini", [](const std::string&) { LoadConfiguration(shell::gShell, shell::gCatalogue, ""); }},
    {"favourites and last game", "config/arcade/config.ini",
     [](const std::string& base) { SaveFavourites(base, gShell.settings.currentConfig, gShell.settings.listeFavoris, "pacman"); }},
    {"run count", "Orvanel.sta", [](const std::string& base) { CountRun(base); }},
    {"game statistics", "lists/arcade.sta",
     [](const std::string& base) { SaveStatistics(Files(base), "pacman", Played(), kGameStatistics); }},
    {"list statistics", "Orvanel.sta",
     [](const std::string& base) { SaveStatistics(Files(base), "", Played(), kListStatistics); }},
    {"global times", "Orvanel.sta",
     [](const std::string& base) { SaveStatistics(Files(base), "", Played(), kGlobalStatistics); }},
};

const platform::WriteFault kFaults[] = {platform::WriteFault::kOpen, platform::WriteFault::kWriteNoSpace,
                                        platform::WriteFault::kFsyncIo, platform::WriteFault::kRename};

class WriteFaultTest : public shelltest::ShellInstallation {
 protected:
  void SetUp() override {
    ShellInstallation::SetUp();
    platform::SetLogDirectory(dir.path());
    ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
    // Old contents that every writer changes.
    dir.Write("config/Orvanel.ini", Crlf({"[General]", "LastEmu = arcade", "EmuBase=arcade", "ModeFenetre=OUI"}));
    dir.Write("Orvanel.sta", Crlf({"[StatGen]", "NbExec=7", "; kept", "[arcade]", "Nb=1"}));
    dir.Write("lists/arcade.sta", Crlf({"[galaga]", "Nb=4", "[pacman]", "Nb=1"}));
  }
  void TearDown() override {
    platform::InjectWriteFault(platform::WriteFault::kNone);
    ShellInstallation::TearDown();
  }

  int LogLines() const {
    const std::string log = Ini("debug.txt");
    return static_cast<int>(std::count(log.begin(), log.end(), '\n'));
  }

  bool TemporaryLeftBeside(const std::string& file) const {
    const std::string path = dir / file;
    const std::string folder = path.substr(0, path.rfind('/'));
    for (const auto& e : platform::ListDirectory(folder))
      if (e.name.find(".tmp") != std::string::npos) return true;
    return false;
  }
};

TEST_F(WriteFaultTest, EveryWriterKeepsTheOldFileAtEveryFailingStep) {
  for (const Writer& w : kWriters) {
    for (platform::WriteFault fault : kFaults) {
      SCOPED_TRACE(std::string(w.name) + ", fault " + std::to_string(static_cast<int>(fault)));
      const std::string old = Ini(w.file);
      const int logLines = LogLines();
      platform::InjectWriteFault(fault);
      w.write(dir.path());
      platform::InjectWriteFault(platform::WriteFault::kNone);
      EXPECT_EQ(Ini(w.file), old);
      EXPECT_FALSE(TemporaryLeftBeside(w.file));
      EXPECT_GT(LogLines(), logLines) << Ini("debug.txt");
    }
    // The program goes on: the next write changes the file.
    const std::string old = Ini(w.file);
    w.write(dir.path());
    EXPECT_NE(Ini(w.file), old) << w.name;
    EXPECT_FALSE(TemporaryLeftBeside(w.file)) << w.name;
  }
}

}  // namespace
