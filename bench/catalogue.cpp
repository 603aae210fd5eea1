// Loading and sorting large game lists, the favourites list, a filter built from the
// category files, and a history record at the end of a large history database, on
// generated data.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include <unistd.h>

#include "catalogue/category_files.h"
#include "catalogue/game_filter.h"
#include "catalogue/game_list.h"
#include "catalogue/history.h"
#include "platform/files.h"
#include "platform/memory.h"

using catalogue::CategoryTable;
using catalogue::FilterGameList;
using catalogue::GameFilter;
using catalogue::GameList;
using catalogue::GameListSource;
using catalogue::HistoryPanel;
using catalogue::LoadGameList;
using catalogue::LoadHistory;
using catalogue::PlayersTable;
using catalogue::ReadCatver;
using catalogue::ReadNPlayers;
using catalogue::SortGameList;

namespace {

// The allocator setting the frontend takes at start-up, so that reloads cost what they
// cost there.
[[maybe_unused]] const bool kAllocatorAsInTheFrontend = (platform::KeepFreedMemoryForReuse(), true);

constexpr int kGames = 50000;

class Data {
 public:
  Data() {
    std::random_device seed;
    dir_ = std::filesystem::temp_directory_path() / ("orvanel-bench-" + std::to_string(seed()));
    std::filesystem::create_directories(dir_ / "emu");
    WriteList();
    WriteStatistics();
    WriteHistory();
    WriteCategoryFiles();
    // The 60 MB just written would otherwise go to the disk during the measurements.
    ::sync();
  }
  ~Data() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  const std::string& LastRom() const { return lastRom_; }

 private:
  static std::string RomName(int i) {
    static const char* const stems[] = {"pacman", "galaga", "sf2", "mslug", "dkong", "kof", "tekken", "outrun"};
    return std::string(stems[i % 8]) + std::to_string(i) + (i % 3 ? "j" : "");
  }
  static std::string FullName(std::mt19937& rng) {
    static const char* const words[] = {"Super", "Street", "Fighter", "Metal", "Slug", "Dragon", "Galaxy",
                                        "Blaster", "Return", "of", "the", "King", "Turbo", "Ninja", "Racing",
                                        "Zone", "Mega", "Puzzle", "Star", "Force", "sample", "World"};
    std::string name;
    const int n = 2 + static_cast<int>(rng() % 4);
    for (int w = 0; w < n; ++w) name += std::string(w ? " " : "") + words[rng() % 22];
    return name + " (World " + std::to_string(1980 + rng() % 40) + ", rev " + std::to_string(rng() % 5) + ")";
  }
  void WriteList() {
    std::mt19937 rng(1);
    std::ofstream out(dir_ / "mame.txt", std::ios::binary);
    for (int i = 0; i < kGames; ++i) {
      out << "[" << RomName(i) << "]\r\nFullName=" << FullName(rng) << "\r\nRomOf=" << RomName(i / 3)
          << "\r\nInfos1=" << 1980 + i % 40 << "\r\nInfos2=v 224x288 60Hz\r\nInfos3=2P 1B 2C joy4way\r\n";
    }
  }
  void WriteStatistics() {
    std::mt19937 rng(2);
    std::ofstream out(dir_ / "mame.sta", std::ios::binary);
    for (int i = 0; i < kGames; ++i) {
      out << "[" << RomName(i) << "]\r\nNb=" << 1 + rng() % 40 << "\r\nDt=07/01/2005 - 9:05.03\r\nNbScr=3\r\n"
          << "C1=2\r\nTpsJeux=0:12.5\r\n";
    }
  }
  void WriteHistory() {
    std::ofstream out(dir_ / "emu/history.dat", std::ios::binary);
    const std::string line = "This game was one of the most popular of its time, with a sequel later on.\r\n";
    std::size_t size = 0;
    int record = 0;
    while (size < 40u * 1024 * 1024) {
      std::string r = "$info=" + RomName(record) + "," + RomName(record) + "x,\r\n$bio\r\n\r\n";
      for (int l = 0; l < 20; ++l) r += line;
      r += "$end\r\n\r\n";
      out << r;
      size += r.size();
      ++record;
    }
    lastRom_ = RomName(record);
    out << "$info=" << lastRom_ << ",\r\n$bio\r\n\r\n";
    for (int l = 0; l < 40; ++l) out << line;
    out << "$end\r\n";
  }

  // A full catver.ini has about 45,000 lines: one a game and the comments around them.
  void WriteCategoryFiles() {
    static const char* const categories[] = {"Shooter / Flying Vertical", "Fighter / Versus", "Maze / Collect",
                                             "Tabletop / Mahjong * Mature *", "Platform / Run Jump", "Quiz / Music"};
    std::ofstream catver(dir_ / "catver.ini", std::ios::binary);
    catver << ";; catver.ini ;;\r\n[FOLDER_SETTINGS]\r\nRootFolderIcon mame\r\n\r\n[Category]\r\n";
    for (int i = 0; i < 45000; ++i) catver << RomName(i) << "=" << categories[i % 6] << "\r\n";
    catver << "\r\n[VerAdded]\r\n";
    std::ofstream nplayers(dir_ / "nplayers.ini", std::ios::binary);
    nplayers << "[NPlayers]\r\n";
    for (int i = 0; i < kGames; ++i) nplayers << RomName(i) << "=" << 1 + i % 4 << "P alt\r\n";
  }

  std::filesystem::path dir_;
  std::string lastRom_;
};

const Data& TheData() {
  static const Data data;
  return data;
}

// Into a new table, as at start-up. The table of the step before is freed untimed: a
// start-up has no table to free, and a reload fills the one it has (below).
void LoadAndSort(benchmark::State& state, bool favourites) {
  const Data& d = TheData();
  const GameListSource source{d.Path("mame.txt"), d.Path("Liste.ini"), d.Path("mame.sta"), favourites};
  for (auto _ : state) {
    auto list = std::make_unique<GameList>();
    const int n = LoadGameList(*list, source);
    if (n > 0) SortGameList(*list, 0, n - 1);
    if (n != kGames) state.SkipWithError("not every game loaded");
    benchmark::DoNotOptimize(list->displayOrder.data());
    state.PauseTiming();
    list.reset();
    state.ResumeTiming();
  }
}

void BM_LoadGameListAndSort(benchmark::State& state) { LoadAndSort(state, false); }
void BM_LoadFavouritesAndSort(benchmark::State& state) { LoadAndSort(state, true); }

// The running menu's favourites key: the list is loaded again into the table it already
// fills, alternating between the favourites and the whole list.
void BM_ToggleFavouritesView(benchmark::State& state) {
  const Data& d = TheData();
  GameList list;
  bool favourites = false;
  LoadGameList(list, {d.Path("mame.txt"), d.Path("Liste.ini"), d.Path("mame.sta"), favourites});
  for (auto _ : state) {
    favourites = !favourites;
    const int n = LoadGameList(list, {d.Path("mame.txt"), d.Path("Liste.ini"), d.Path("mame.sta"), favourites});
    if (n > 0) SortGameList(list, 0, n - 1);
    if (n != kGames) state.SkipWithError("not every game loaded");
    benchmark::DoNotOptimize(list.displayOrder.data());
  }
}

// The sort alone, on a list loaded once: what a change of the sort costs, apart from the file.
void BM_SortGameList(benchmark::State& state) {
  const Data& d = TheData();
  GameList list;
  const int n = LoadGameList(list, {d.Path("mame.txt"), d.Path("Liste.ini"), d.Path("mame.sta"), false});
  for (auto _ : state) {
    for (int k = 0; k < n; ++k) list.displayOrder[static_cast<std::size_t>(k)] = k;
    SortGameList(list, 0, n - 1);
    benchmark::DoNotOptimize(list.displayOrder.data());
  }
}

// What the filter command does: both category files read, the list loaded, the filter run.
void BM_FilterWithCategoryFiles(benchmark::State& state) {
  const Data& d = TheData();
  GameFilter filter;
  filter.categories = {"Shooter/*", "Fighter/*", "Tabletop/*"};
  filter.noMature = true;
  filter.players = 2;
  for (auto _ : state) {
    const CategoryTable catver = ReadCatver(platform::ReadWholeFile(d.Path("catver.ini")).value_or(""));
    const PlayersTable nplayers = ReadNPlayers(platform::ReadWholeFile(d.Path("nplayers.ini")).value_or(""));
    GameList list;
    LoadGameList(list, {d.Path("mame.txt"), "", "", false});
    const std::vector<std::string> names = FilterGameList(list, filter, {&catver, &nplayers});
    if (names.empty()) state.SkipWithError("no game passed");
    benchmark::DoNotOptimize(names.data());
  }
}

void BM_LoadHistoryLastRecord(benchmark::State& state) {
  const Data& d = TheData();
  for (auto _ : state) {
    HistoryPanel panel;
    const int n = LoadHistory(panel, d.Path("emu"), 800, d.LastRom());
    if (n <= 0) state.SkipWithError("record not found");
    benchmark::DoNotOptimize(panel.text.data());
  }
}

}  // namespace

BENCHMARK(BM_LoadGameListAndSort)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadFavouritesAndSort)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_ToggleFavouritesView)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_SortGameList)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_FilterWithCategoryFiles)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadHistoryLastRecord)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
