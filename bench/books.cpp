// The operator's books at the size of a busy year: 45,000 games, 100,000 runs in twelve
// month files. The journal read (done once, on the page's worker thread), a period's
// tally (each change of the choosers), and the page opened and drawn with its charts.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QTabWidget>

#include "configurator/books/books_load.h"
#include "frontend/shell/journal_entry.h"
#include "configurator/books/ui/statistics_page.h"
#include "platform/message_box.h"
#include "tests/temp_dir.h"
#include "tools/demo_journal/journal_maker.h"

namespace {

constexpr std::size_t kGames = 45000;
constexpr std::size_t kRuns = 100000;

QApplication& App() {
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

const TempDir& Installation() {
  static TempDir dir;
  static const bool made = [] {
    std::vector<demo::JournalGame> games;
    for (std::size_t i = 0; i < kGames; ++i) {
      const std::string n = std::to_string(i);
      games.push_back({i % 3 ? "mame" : "neogeo", "game" + n, "Game number " + n + ", the \"sequel\""});
    }
    return demo::WriteJournal(dir.path(), demo::MakeRuns(games, kRuns, {2026, 1, 1}, 365, 7));
  }();
  (void)made;
  return dir;
}

void BM_JournalRead100k(benchmark::State& state) {
  const cfg::BooksSource source = cfg::InstallationBooks(Installation().path());
  for (auto _ : state) {
    const cfg::LoadedBooks loaded = cfg::LoadBooks(source);
    if (loaded.journal.runs.size() != kRuns) state.SkipWithError("wrong run count");
  }
}
BENCHMARK(BM_JournalRead100k)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

void BM_TallyYear(benchmark::State& state) {
  const cfg::BooksSource source = cfg::InstallationBooks(Installation().path());
  const cfg::LoadedBooks loaded = cfg::LoadBooks(source);
  for (auto _ : state) benchmark::DoNotOptimize(cfg::TallyLoaded(loaded, source, cfg::Period{}, ""));
}
BENCHMARK(BM_TallyYear)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// What the frontend pays after each game: one line appended and synced to the disk.
void BM_JournalAppend(benchmark::State& state) {
  TempDir dir;
  catalogue::JournalRun run{{{2026, 12, 8}, 21, 4, 5}, 412, "mame", "sf2", "Street Fighter II, The World Warrior",
                            {2, 1, 0, 0}, catalogue::RunEnding::kNormal};
  for (auto _ : state)
    if (!shell::AppendJournalLine(dir.path(), run)) state.SkipWithError("line lost");
}
BENCHMARK(BM_JournalAppend)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// From nothing to what the owner sees: the journal read on the worker, the month's tally
// when it arrives, then a year's (the period chosen), the table, and the page drawn with the
// chart of its current tab. The other tabs' charts are drawn when chosen, not at opening.
void BM_PageOpenAndDraw(benchmark::State& state) {
  App();
  platform::RecordMessageBoxes();
  const std::string base = Installation().path();
  for (auto _ : state) {
    cfg::StatisticsPage page(base);
    page.resize(1280, 900);
    page.WaitLoaded();
    page.ChoosePeriod(cfg::PeriodKind::kAll);
    const QPixmap drawn = page.grab();
    if (page.books().games.empty() || drawn.isNull()) state.SkipWithError("nothing drawn");
  }
}
BENCHMARK(BM_PageOpenAndDraw)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true)->Iterations(1);

// What the opening leaves for later: the two other charts, drawn when their tabs are first
// chosen after a year was tallied.
void BM_OtherChartTabsChosen(benchmark::State& state) {
  App();
  platform::RecordMessageBoxes();
  cfg::StatisticsPage page(Installation().path());
  page.resize(1280, 900);
  page.WaitLoaded();
  auto* tabs = page.findChild<QTabWidget*>();
  bool year = false;
  for (auto _ : state) {
    state.PauseTiming();
    tabs->setCurrentIndex(0);
    year = !year;  // another period each time, so the charts are out of date again
    page.ChoosePeriod(year ? cfg::PeriodKind::kThisYear : cfg::PeriodKind::kAll);
    state.ResumeTiming();
    for (const int tab : {1, 2}) {
      tabs->setCurrentIndex(tab);
      if (tabs->currentWidget()->grab().isNull()) state.SkipWithError("nothing drawn");
    }
  }
}
BENCHMARK(BM_OtherChartTabsChosen)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
