#include <gtest/gtest.h>

#include "catalogue/journal.h"
#include "configurator/books/books_export.h"
#include "configurator/books/books_load.h"
#include "configurator/books/books_period.h"
#include "configurator/books/books_tally.h"
#include "temp_dir.h"

using catalogue::Date;
using catalogue::DayNumber;
using catalogue::JournalRun;
using catalogue::RunEnding;
using namespace cfg;

namespace {

JournalRun MakeRun(const char* config, const char* rom, Date day, std::array<std::int32_t, 4> coins, std::uint32_t seconds,
               RunEnding ending = RunEnding::kNormal) {
  return {{day, 20, 0, 0}, seconds, config, rom, std::string("Nom de ") + rom, coins, ending};
}

// A small journal: two configurations, a quiet day, every way a run can end.
std::vector<JournalRun> SmallJournal() {
  return {
      MakeRun("mame", "pacman", {2026, 11, 30}, {1, 0, 0, 0}, 100),
      MakeRun("mame", "pacman", {2026, 12, 1}, {2, 0, 0, 0}, 200),
      MakeRun("mame", "sf2", {2026, 12, 1}, {0, 3, 0, 0}, 300, RunEnding::kExitCombo),
      MakeRun("mame", "sf2", {2026, 12, 3}, {0, 0, 0, 0}, 1, RunEnding::kFailed),
      MakeRun("neo", "mslug", {2026, 12, 3}, {0, 0, 4, 1}, 400),
      MakeRun("neo", "mslug", {2026, 12, 3}, {0, 0, 0, 0}, 60, RunEnding::kScreensaver),
  };
}

TEST(Books, TotalsAndSeriesOfAPeriod) {
  const Period december = PeriodOf(PeriodKind::kThisMonth, {2026, 12, 15});
  const struct {
    const char* what;
    Period period;
    std::string configuration;
    std::int64_t coins, plays;
    std::uint64_t seconds;
    std::array<std::int64_t, 4> slots;
    std::vector<std::pair<Date, std::int64_t>> days;  // coins per day, first to last
    std::vector<std::string> games;
  } kCases[] = {
      {"everything", Period{}, "", 11, 4, 1000, {3, 3, 4, 1},
       {{{2026, 11, 30}, 1}, {{2026, 12, 1}, 5}, {{2026, 12, 2}, 0}, {{2026, 12, 3}, 5}}, {"pacman", "sf2", "mslug"}},
      {"december", december, "", 10, 3, 900, {2, 3, 4, 1},
       {{{2026, 12, 1}, 5}, {{2026, 12, 2}, 0}, {{2026, 12, 3}, 5}}, {"pacman", "sf2", "mslug"}},
      {"one configuration", Period{}, "mame", 6, 3, 600, {3, 3, 0, 0},
       {{{2026, 11, 30}, 1}, {{2026, 12, 1}, 5}, {{2026, 12, 2}, 0}, {{2026, 12, 3}, 0}}, {"pacman", "sf2"}},
      {"one day", PeriodOf(PeriodKind::kRange, {}, Date{2026, 12, 3}, Date{2026, 12, 3}), "", 5, 1, 400, {0, 0, 4, 1},
       {{{2026, 12, 3}, 5}}, {"sf2", "mslug"}},
      {"nothing in it", PeriodOf(PeriodKind::kThisYear, {2025, 6, 1}), "", 0, 0, 0, {0, 0, 0, 0}, {}, {}},
  };
  for (const auto& c : kCases) {
    const Books b = TallyRuns(SmallJournal(), c.period, c.configuration);
    EXPECT_EQ(b.coins, c.coins) << c.what;
    EXPECT_EQ(b.plays, c.plays) << c.what;
    EXPECT_EQ(b.playSeconds, c.seconds) << c.what;
    EXPECT_EQ(b.coinsPerSlot, c.slots) << c.what;
    ASSERT_EQ(b.days.size(), c.days.size()) << c.what;
    for (std::size_t i = 0; i < c.days.size(); ++i) {
      EXPECT_EQ(b.days[i].day, DayNumber(c.days[i].first)) << c.what << " day " << i;
      EXPECT_EQ(b.days[i].coins, c.days[i].second) << c.what << " day " << i;
    }
    std::vector<std::string> games;
    for (const GameBooks& g : b.games) games.push_back(g.romName);
    std::sort(games.begin(), games.end());
    std::vector<std::string> expected = c.games;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(games, expected) << c.what;
  }
}

TEST(Books, GameRowsAndRanking) {
  const Books b = TallyRuns(SmallJournal(), Period{}, "");
  const auto row = [&](const std::string& rom) {
    for (const GameBooks& g : b.games)
      if (g.romName == rom) return g;
    return GameBooks{};
  };
  EXPECT_EQ(row("pacman").plays, 2);
  EXPECT_EQ(row("pacman").playSeconds, 300u);
  EXPECT_EQ(row("pacman").lastPlayed, "2026-12-01 20:00:00");
  EXPECT_EQ(row("sf2").plays, 1);  // the failed start is not a play
  EXPECT_EQ(row("sf2").lastPlayed, "2026-12-01 20:00:00");
  EXPECT_EQ(row("mslug").plays, 1);  // nor the screensaver's run
  EXPECT_EQ(row("mslug").CoinTotal(), 5);
  const auto names = [&](const std::vector<std::size_t>& order) {
    std::vector<std::string> out;
    for (const std::size_t i : order) out.push_back(b.games[i].romName);
    return out;
  };
  EXPECT_EQ(names(TopGames(b, RankBy::kCoins, 20)), (std::vector<std::string>{"mslug", "pacman", "sf2"}));
  EXPECT_EQ(names(TopGames(b, RankBy::kPlays, 2)), (std::vector<std::string>{"pacman", "mslug"}));
  EXPECT_EQ(ConfigurationsOf(SmallJournal()), (std::vector<std::string>{"mame", "neo"}));
}

TEST(Books, PeriodChooser) {
  const struct {
    const char* what;
    Period period;
    Date first, last;
  } kCases[] = {
      {"this month", PeriodOf(PeriodKind::kThisMonth, {2024, 2, 10}), {2024, 2, 1}, {2024, 2, 29}},
      {"last month across a year", PeriodOf(PeriodKind::kLastMonth, {2026, 1, 31}), {2025, 12, 1}, {2025, 12, 31}},
      {"last month of March", PeriodOf(PeriodKind::kLastMonth, {2026, 3, 31}), {2026, 2, 1}, {2026, 2, 28}},
      {"this year", PeriodOf(PeriodKind::kThisYear, {2026, 7, 4}), {2026, 1, 1}, {2026, 12, 31}},
      {"a range", PeriodOf(PeriodKind::kRange, {}, Date{2026, 1, 5}, Date{2026, 2, 5}), {2026, 1, 5}, {2026, 2, 5}},
      {"a range backwards", PeriodOf(PeriodKind::kRange, {}, Date{2026, 2, 5}, Date{2026, 1, 5}), {2026, 1, 5}, {2026, 2, 5}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(c.period.firstDay, DayNumber(c.first)) << c.what;
    EXPECT_EQ(c.period.lastDay, DayNumber(c.last)) << c.what;
  }
  const Period open = PeriodOf(PeriodKind::kRange, {}, Date{2026, 1, 5}, std::nullopt);
  EXPECT_TRUE(open.Contains(DayNumber({9999, 12, 31})));
  EXPECT_FALSE(open.Contains(DayNumber({2026, 1, 4})));
  EXPECT_EQ(PeriodOf(PeriodKind::kAll, {2026, 1, 1}), Period{});
  for (const Date d : {Date{1970, 1, 1}, Date{2000, 2, 29}, Date{1969, 12, 31}, Date{2400, 3, 1}})
    EXPECT_EQ(catalogue::DateOfDay(DayNumber(d)), d);
  EXPECT_FALSE(catalogue::ParseIsoDate("2026-02-29"));
  EXPECT_FALSE(catalogue::ParseIsoDate("2026-1-01"));
  EXPECT_TRUE(catalogue::ParseIsoDate("2028-02-29"));
}

// Without a journal the page shows the .sta totals; the export is the page's columns.
TEST(Books, StatisticsFilesWithoutJournalAndExport) {
  TempDir dir;
  dir.Write("Orvanel.sta", "[StatGen]\r\nTpsTot=2:0.0\r\nTpsJeux=0:30.0\r\n");
  dir.Write("lists/mame.sta", "[pacman]\r\nNb=3\r\nC1=4\r\nC3=1\r\nTpsJeux=0:10.5\r\nDt=08/12/2026 - 21:04.05\r\n"
                              "[sf2, \"le\"]\r\nNb=1\r\n");
  const BooksSource source{dir / "Orvanel.sta", {{"mame", dir / "lists/mame.sta"}}, dir / "stats"};
  const LoadedBooks loaded = LoadBooks(source);
  EXPECT_FALSE(loaded.hasJournal);
  EXPECT_TRUE(loaded.readable);
  const Books b = TallyLoaded(loaded, source, Period{}, "");
  EXPECT_FALSE(b.fromJournal);
  EXPECT_EQ(b.coins, 5);
  EXPECT_EQ(b.plays, 4);
  EXPECT_EQ(b.playSeconds, 605u);
  EXPECT_EQ(b.menuSeconds, 90u * 60);
  EXPECT_TRUE(b.days.empty());
  EXPECT_EQ(GamesCsv(b),
            "Configuration,Jeu,Nom,Parties,C1,C2,C3,C4,Pièces,Temps de jeu (s),Dernière partie\r\n"
            "mame,pacman,pacman,3,4,0,1,0,5,605,2026-12-08 21:04:05\r\n"
            "mame,\"sf2, \"\"le\"\"\",\"sf2, \"\"le\"\"\",1,0,0,0,0,0,0,\r\n");
  const Books days = TallyRuns(SmallJournal(), PeriodOf(PeriodKind::kThisMonth, {2026, 12, 1}), "neo");
  EXPECT_EQ(DaysCsv(days), "Date,Parties,Pièces\r\n2026-12-03,1,5\r\n");
  EXPECT_EQ(FormatDuration(90061), "25:01:01");
}

}  // namespace
