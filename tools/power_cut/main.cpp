// Power-cut trials: a child process runs one of the frontend's writers again and again and
// is killed with SIGKILL at a random moment; then every file it writes must still be the
// old or the new content, never torn, empty or missing.
//   power_cut <trials> [seed]       the trials, a summary, exit status 1 on a bad file
//   power_cut --write <path> <text>  one atomic replace (for tracing its system calls)
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "catalogue/favourites.h"
#include "catalogue/journal.h"
#include "configurator/books/stats_reset.h"
#include "frontend/shell/journal_entry.h"
#include "catalogue/game_run.h"
#include "catalogue/statistics.h"
#include "frontend/shell/count_run.h"
#include "platform/debug_log.h"
#include "platform/copy_tree.h"
#include "platform/files.h"
#include "platform/local_time.h"
#include "platform/profile.h"
#include "settings/settings.h"

using shell::CountRun;

using catalogue::BeginGameRun;
using catalogue::CountTrackedKey;
using catalogue::GameRun;
using catalogue::ReadGlobalTotals;
using catalogue::ReadListTotals;
using catalogue::SaveFavourites;
using catalogue::SaveGameRun;
using catalogue::SaveTotalTimes;
using catalogue::Statistics;
using catalogue::kGlobalStatistics;

namespace {

namespace fs = std::filesystem;

constexpr int kGames = 300;

std::string Crlf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

// The first contents: many sections and lines the writers must keep, and a last line a
// cut-short file would lose.
const std::string kSettings = Crlf({"; hand-written", "[General]", "LastEmu=cfg0", "EmuBase=cfg0", "ModeFenetre=OUI",
                                    "[Touches]", "Haut=672", "[Last]", "End=1"});
const std::string kConfig = Crlf({"[Config]", "TemplateDir=Plain", "LastGame=game0", "ListeFavoris=NO",
                                  "FichierDescription=lists/arcade.txt", "[Last]", "End=1"});
std::string GameStatistics() {
  std::vector<std::string> lines;
  for (int i = 0; i < kGames; ++i) {
    lines.push_back("[game" + std::to_string(i) + "]");
    lines.push_back("Keep=" + std::to_string(i));
    lines.push_back("Nb=1");
  }
  lines.push_back("[Last]");
  lines.push_back("End=1");
  return Crlf(lines);
}
const std::string kGlobalStatistics = Crlf({"[StatGen]", "NbExec=0", "Nb=1", "[arcade]", "Nb=1", "[Last]", "End=1"});

struct Paths {
  std::string base;
  std::string settings() const { return base + "/config/Orvanel.ini"; }
  std::string config() const { return base + "/config/cfg/config.ini"; }
  std::string global() const { return base + "/Orvanel.sta"; }
  std::string list() const { return base + "/lists/arcade.sta"; }
  std::string journal() const { return base + "/stats"; }
};

// The journal: every line appended is whole, in order, with no run lost but the one a cut
// was writing (skipped by the reader, written again by the next run).
void AppendRunsForever(const Paths& p) {
  catalogue::JournalRun run{{{2026, 12, 8}, 21, 4, 5}, 60, "cfg", "", "Jeu, \"premier\"\r\ndeux lignes", {}, {}};
  for (std::size_t n = catalogue::ReadJournal(p.journal()).runs.size();; ++n) {
    run.romName = "game" + std::to_string(n);
    run.coins = {std::int32_t(n % 5), std::int32_t(n % 3), 0, 1};
    shell::AppendJournalLine(p.base, run);
  }
}

std::string CheckJournal(const Paths& p, int cuts) {
  const catalogue::JournalRead read = catalogue::ReadJournal(p.journal());
  if (read.skipped > cuts) return std::to_string(read.skipped) + " journal lines skipped after " + std::to_string(cuts) + " cuts";
  for (std::size_t i = 0; i < read.runs.size(); ++i) {
    const catalogue::JournalRun& r = read.runs[i];
    if (r.romName != "game" + std::to_string(i) || r.coins[0] != std::int32_t(i % 5) || r.coins[3] != 1 ||
        r.fullName != "Jeu, \"premier\"\r\ndeux lignes")
      return "journal run " + std::to_string(i) + " is " + r.romName;
  }
  return {};
}

// The reset: generation after generation of books, each archived then cleared. Every
// sealed archive holds one whole generation; the live files are whole; no generation is
// missing between the archives and the live files.
std::string Generation(int g) { return "generation " + std::to_string(g) + "\r\n"; }

cfg::BooksSource ResetBooks(const Paths& p) {
  return {p.global(), {{"arcade", p.list()}}, p.journal()};
}

int GenerationOf(const std::optional<std::string>& text) {
  if (!text || text->rfind("generation ", 0) != 0) return 0;
  return int(std::strtol(text->c_str() + 11, nullptr, 10));
}

int LastArchivedGeneration(const Paths& p) {
  int last = 0;
  for (const std::string& a : cfg::ArchiveFolders(p.base))
    last = std::max(last, GenerationOf(platform::ReadWholeFile(a + "/Orvanel.sta")));
  return last;
}

void ResetForever(const Paths& p) {
  platform::MakeDirectories(p.journal());
  for (;;) {
    const int g = LastArchivedGeneration(p) + 1;
    // A generation made whole by an earlier trial is reset as it is.
    if (platform::ReadWholeFile(p.base + "/witness") != std::to_string(g)) {
      for (const std::string& f : {p.global(), p.list(), p.journal() + "/journal-2026-12.csv"})
        platform::WriteFileAtomically(f, Generation(g));
      platform::WriteFileAtomically(p.base + "/witness", std::to_string(g));  // generation g is whole
    }
    cfg::RunReset(cfg::PlanReset(ResetBooks(p), p.journal(), platform::LocalNow()));
  }
}

std::string CheckReset(const Paths& p) {
  std::set<int> seen;
  for (const std::string& a : cfg::ArchiveFolders(p.base)) {
    const auto global = platform::ReadWholeFile(a + "/Orvanel.sta");
    const int g = GenerationOf(global);
    if (g == 0 || *global != Generation(g)) return a + " has no whole Orvanel.sta";
    if (platform::ReadWholeFile(a + "/configurations/arcade.sta") != Generation(g) ||
        platform::ReadWholeFile(a + "/journal-2026-12.csv") != Generation(g))
      return a + " is not one whole generation";
    if (!seen.insert(g).second) return a + " archives generation " + std::to_string(g) + " twice";
  }
  const int last = seen.empty() ? 0 : *seen.rbegin();
  if (!seen.empty() && (*seen.begin() != 1 || int(seen.size()) != last)) return "an archived generation is missing";
  // Until its archive has its final name, a whole generation stays where it is.
  const int whole = int(std::strtol(platform::ReadWholeFile(p.base + "/witness").value_or("0").c_str(), nullptr, 10));
  if (whole > last)
    for (const std::string& f : {p.global(), p.list(), p.journal() + "/journal-2026-12.csv"})
      if (platform::ReadWholeFile(f) != Generation(whole))
        return f + " lost generation " + std::to_string(whole) + " before it was archived";
  for (const std::string& f : {p.global(), p.list()}) {
    const auto text = platform::ReadWholeFile(f);
    if (!text || text->empty()) continue;
    const int g = GenerationOf(text);
    if (g == 0 && last == 0) continue;  // the installation's first books, not reset yet
    if (*text != Generation(g) || g < last || g > last + 1) return f + " is torn or lost its generation: " + *text;
  }
  return {};
}

// One kind of write: what the child repeats, and the check of what it leaves.
struct Kind {
  const char* name;
  std::function<void(const Paths&)> writeForever;
  std::function<std::string(const Paths&)> check;  // empty when whole, else what is wrong
  // The cut falls within this long after the start: a write sequence of many synced steps
  // must be cut anywhere along it, not only in its first step.
  std::uint32_t cutWithinUs = 30000;
};

std::string Expect(bool ok, const std::string& what) { return ok ? std::string() : what; }

long Number(const std::string& text) { return std::strtol(text.c_str(), nullptr, 10); }

// A profile file whose content is exactly `first` updated with one round of values.
std::string CheckRound(const std::string& path, const std::string& first, const std::string& section,
                       const std::vector<platform::ProfileValue>& round) {
  const auto text = platform::ReadWholeFile(path);
  if (!text) return path + " is missing";
  if (text->empty()) return path + " is empty";
  if (*text != platform::UpdateProfileText(first, section, round)) return path + " is torn:\n" + *text;
  return {};
}

std::string CheckStatistics(const Paths& p) {
  const auto games = platform::ProfileFile::Load(p.list());
  const auto global = platform::ProfileFile::Load(p.global());
  if (!games || !global) return "a statistics file is missing";
  for (int i = 0; i < kGames; ++i) {
    const std::string section = "game" + std::to_string(i);
    if (games->Get(section, "Keep", "") != std::to_string(i) || Number(games->Get(section, "Nb", "0")) < 1)
      return p.list() + " lost " + section;
  }
  if (games->Get("Last", "End", "") != "1") return p.list() + " is cut short";
  if (global->Get("Last", "End", "") != "1" || Number(global->Get("arcade", "Nb", "0")) < 1 ||
      Number(global->Get("StatGen", "Nb", "0")) < 1)
    return p.global() + " is torn";
  return {};
}

std::vector<Kind> Kinds() {
  return {
      {"settings (LastEmu in Orvanel.ini)",
       [](const Paths& p) {
         for (long n = Number(platform::ReadProfileString(p.settings(), "General", "LastEmu", "cfg0").substr(3));; ++n)
           platform::WriteProfileString(p.settings(), "General", "LastEmu", "cfg" + std::to_string(n + 1));
       },
       [](const Paths& p) {
         const std::string value = platform::ReadProfileString(p.settings(), "General", "LastEmu", "");
         return CheckRound(p.settings(), kSettings, "General", {{"LastEmu", value}}) +
                Expect(value.rfind("cfg", 0) == 0, "LastEmu lost its value");
       }},
      {"favourites and last game (config.ini)",
       [](const Paths& p) {
         Settings s;
         s.currentConfig = "cfg";
         for (long n = Number(platform::ReadProfileString(p.config(), "Config", "LastGame", "game0").substr(4));; ++n) {
           s.listeFavoris = n % 2 == 0;
           SaveFavourites(p.base, s.currentConfig, s.listeFavoris, "game" + std::to_string(n + 1));
         }
       },
       [](const Paths& p) {
         const std::string game = platform::ReadProfileString(p.config(), "Config", "LastGame", "");
         const long n = Number(game.substr(std::min<std::size_t>(4, game.size())));
         if (n == 0) return CheckRound(p.config(), kConfig, "Config", {});
         return CheckRound(p.config(), kConfig, "Config",
                           {{"ListeFavoris", (n - 1) % 2 == 0 ? "YES" : "NO"}, {"LastGame", game}});
       }},
      {"run count (Orvanel.sta)",
       [](const Paths& p) {
         for (;;) CountRun(p.base);
       },
       [](const Paths& p) {
         const std::string count = platform::ReadProfileString(p.global(), "StatGen", "NbExec", "");
         return CheckRound(p.global(), kGlobalStatistics, "StatGen", {{"NbExec", count}}) +
                Expect(Number(count) >= 0 && !count.empty(), "NbExec lost");
       }},
      {"game statistics (three records per run)",
       [](const Paths& p) {
         Statistics statistics;
         statistics.files = {p.global(), p.list(), "arcade"};
         for (std::uint32_t t = 1;; ++t) {
           GameRun run = BeginGameRun(statistics, "game" + std::to_string(t % kGames), false, t * 1000);
           CountTrackedKey(run, 1);
           SaveGameRun(statistics, run, t * 1000 + 500);
         }
       },
       CheckStatistics},
      {"total times (Orvanel.sta, two records)",
       [](const Paths& p) {
         Statistics statistics;
         statistics.files = {p.global(), p.list(), "arcade"};
         ReadGlobalTotals(statistics, 0);
         ReadListTotals(statistics, 0);
         for (std::uint32_t t = 1;; ++t) SaveTotalTimes(statistics, t * 1000);
       },
       CheckStatistics},
      {"journal of runs (one append per run)", AppendRunsForever,
       [cuts = std::make_shared<int>(0)](const Paths& p) { return CheckJournal(p, ++*cuts); }},
      {"reset of the books (archive, then clear)", ResetForever, CheckReset, 1500000},
  };
}

// Temporaries left by a cut inside a replace; removed so that each trial counts its own.
int RemoveTemporaries(const Paths& p) {
  int found = 0;
  for (const auto& e : fs::recursive_directory_iterator(p.base)) {
    if (e.path().filename().string().find(".tmp") == std::string::npos) continue;
    fs::remove(e.path());
    ++found;
  }
  return found;
}

// Each kind of write gets an installation of its own.
Paths MakeInstallation(const std::string& base) {
  const Paths p{base};
  fs::create_directories(p.base + "/config/cfg");
  fs::create_directories(p.base + "/lists");
  platform::WriteFileAtomically(p.settings(), kSettings);
  platform::WriteFileAtomically(p.config(), kConfig);
  platform::WriteFileAtomically(p.global(), kGlobalStatistics);
  platform::WriteFileAtomically(p.list(), GameStatistics());
  return p;
}

int RunTrials(int trials, unsigned seed) {
  std::string pattern = (fs::temp_directory_path() / "orvanel-power-cut-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return 2;
  platform::SetLogDirectory(pattern);
  const std::vector<Kind> kinds = Kinds();
  std::vector<Paths> installations;
  for (std::size_t k = 0; k < kinds.size(); ++k) installations.push_back(MakeInstallation(pattern + "/" + std::to_string(k)));

  std::mt19937 rng(seed);
  int bad = 0, insideReplace = 0;
  for (int trial = 0; trial < trials; ++trial) {
    const std::size_t k = static_cast<std::size_t>(trial) % kinds.size();
    const Paths& p = installations[k];
    const pid_t child = ::fork();
    if (child < 0) return 2;
    if (child == 0) {
      kinds[k].writeForever(p);
      std::_Exit(0);
    }
    ::usleep(static_cast<useconds_t>(rng() % kinds[k].cutWithinUs));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    insideReplace += RemoveTemporaries(p) > 0 ? 1 : 0;
    if (const std::string fault = kinds[k].check(p); !fault.empty()) {
      std::fprintf(stderr, "trial %d (%s): %s\n", trial, kinds[k].name, fault.c_str());
      ++bad;
    }
  }
  std::printf("power_cut: %d trials (seed %u) over %zu kinds of write: %d bad files; "
              "%d cuts fell inside a replace (a temporary was left)\n",
              trials, seed, kinds.size(), bad, insideReplace);
  std::error_code ec;
  if (bad == 0) fs::remove_all(pattern, ec);
  else std::fprintf(stderr, "files kept in %s\n", pattern.c_str());
  return bad == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--write") return platform::WriteFileAtomically(argv[2], argv[3]) ? 0 : 1;
  if (argc < 2) {
    std::fprintf(stderr, "usage: power_cut <trials> [seed] | --write <path> <text>\n");
    return 2;
  }
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : std::random_device{}();
  return RunTrials(std::atoi(argv[1]), seed);
}
