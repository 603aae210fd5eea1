#include "configurator/books/books_tally.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <set>
#include <unordered_map>

#include "catalogue/statistics.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace cfg {

using catalogue::JournalRun;
using catalogue::RunEnding;

namespace {

bool IsPlay(const JournalRun& run) { return run.ending == RunEnding::kNormal || run.ending == RunEnding::kExitCombo; }

void SumGames(Books& books) {
  for (const GameBooks& g : books.games) {
    for (std::size_t k = 0; k < 4; ++k) books.coinsPerSlot[k] += g.coins[k];
    books.plays += g.plays;
    books.playSeconds += g.playSeconds;
  }
  for (const std::int64_t c : books.coinsPerSlot) books.coins += c;
}

// "08/12/2026 - 21:04.05", the .sta's Dt, as the books write dates.
std::string IsoOfStaDate(std::string_view dt) {
  int d = 0, m = 0, y = 0, h = 0, mi = 0, s = 0;
  const std::string text(dt);
  if (std::sscanf(text.c_str(), "%d/%d/%d - %d:%d.%d", &d, &m, &y, &h, &mi, &s) != 6) return {};
  const catalogue::DateTime t{{y, m, d}, h, mi, s};
  return catalogue::ParseIsoDateTime(catalogue::FormatIsoDateTime(t)) ? catalogue::FormatIsoDateTime(t) : std::string();
}

std::int64_t Count(const platform::ProfileFile& f, const std::string& section, const char* key) {
  return std::max<std::int64_t>(0, platform::ParseDecimal(f.Get(section, key, "0")));
}

// Sorts positions, then moves each game once: tens of thousands of games with four strings
// each cost more to swap about than to compare.
void SortByConfigurationAndRom(std::vector<GameBooks>& games) {
  std::vector<std::size_t> order(games.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const int c = games[a].configuration.compare(games[b].configuration);
    return c != 0 ? c < 0 : games[a].romName < games[b].romName;
  });
  std::vector<GameBooks> sorted;
  sorted.reserve(games.size());
  for (const std::size_t i : order) sorted.push_back(std::move(games[i]));
  games = std::move(sorted);
}

}  // namespace

Books TallyRuns(const std::vector<JournalRun>& runs, const Period& period, const std::string& configuration) {
  Books books;
  books.fromJournal = true;
  // One pass over a year of runs on each change of the choosers: games found through a
  // hash of "configuration\0rom", days in a vector, dates formatted once at the end.
  std::unordered_map<std::string, std::size_t> index;
  std::vector<catalogue::DateTime> last;  // per game; year 0: never played
  std::vector<const JournalRun*> kept;
  std::int32_t firstDay = std::numeric_limits<std::int32_t>::max(), lastDay = std::numeric_limits<std::int32_t>::min();
  std::string key;
  for (const JournalRun& run : runs) {
    if (!configuration.empty() && run.configuration != configuration) continue;
    const std::int32_t day = catalogue::DayNumber(run.start.date);
    if (!period.Contains(day)) continue;
    kept.push_back(&run);
    firstDay = std::min(firstDay, day);
    lastDay = std::max(lastDay, day);
    key.assign(run.configuration).push_back('\0');
    key += run.romName;
    const auto [it, added] = index.try_emplace(key, books.games.size());
    if (added) {
      books.games.push_back({run.configuration, run.romName, run.fullName, 0, {}, 0, {}});
      last.push_back({{0, 1, 1}, 0, 0, 0});
    }
    GameBooks& g = books.games[it->second];
    for (std::size_t k = 0; k < 4; ++k) g.coins[k] += run.coins[k];
    if (!IsPlay(run)) continue;
    ++g.plays;
    g.playSeconds += run.durationS;
    if (!run.fullName.empty()) g.fullName = run.fullName;
    last[it->second] = std::max(last[it->second], run.start);
  }
  for (std::size_t i = 0; i < books.games.size(); ++i)
    if (last[i].date.year != 0) books.games[i].lastPlayed = catalogue::FormatIsoDateTime(last[i]);
  if (!kept.empty()) {
    // Quiet days are bars of zero, not gaps.
    books.days.resize(std::size_t(lastDay - firstDay) + 1);
    for (std::size_t i = 0; i < books.days.size(); ++i) books.days[i].day = firstDay + std::int32_t(i);
    for (const JournalRun* run : kept) {
      DayBooks& d = books.days[std::size_t(catalogue::DayNumber(run->start.date) - firstDay)];
      d.coins += std::int64_t(run->coins[0]) + run->coins[1] + run->coins[2] + run->coins[3];
      d.plays += IsPlay(*run) ? 1 : 0;
    }
  }
  SortByConfigurationAndRom(books.games);
  SumGames(books);
  return books;
}

Books TallyStatistics(const BooksSource& source, const std::string& configuration) {
  Books books;
  std::set<std::string> read;  // two configurations may share one list
  for (const ListStatistics& list : source.lists) {
    if (!configuration.empty() && list.configuration != configuration) continue;
    if (!read.insert(list.path).second) continue;
    const std::optional<platform::ProfileFile> f = platform::ProfileFile::Load(list.path);
    if (!f) continue;
    for (const std::string& section : f->SectionNames()) {
      GameBooks g;
      g.configuration = list.configuration;
      g.romName = section;
      g.fullName = platform::ToUtf8ForDisplay(section);
      g.plays = Count(*f, section, "Nb");
      for (std::size_t k = 0; k < 4; ++k) g.coins[k] = Count(*f, section, ("C" + std::to_string(k + 1)).c_str());
      g.playSeconds = catalogue::ParsePlayTime(f->Get(section, "TpsJeux", "")) / 1000;
      g.lastPlayed = IsoOfStaDate(f->Get(section, "Dt", ""));
      books.games.push_back(std::move(g));
    }
  }
  SortByConfigurationAndRom(books.games);
  SumGames(books);
  books.menuSeconds = MenuSeconds(source.globalFile);
  return books;
}

std::uint64_t MenuSeconds(const std::string& globalFile) {
  const std::optional<platform::ProfileFile> f = platform::ProfileFile::Load(globalFile);
  if (!f) return 0;
  const std::uint32_t total = catalogue::ParsePlayTime(f->Get("StatGen", "TpsTot", ""));
  const std::uint32_t games = catalogue::ParsePlayTime(f->Get("StatGen", "TpsJeux", ""));
  return total > games ? (total - games) / 1000 : 0;
}

std::vector<std::size_t> TopGames(const Books& books, RankBy by, std::size_t count) {
  std::vector<std::size_t> order(books.games.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  const auto value = [&](std::size_t i) { return by == RankBy::kCoins ? books.games[i].CoinTotal() : books.games[i].plays; };
  const std::size_t n = std::min(count, order.size());
  std::partial_sort(order.begin(), order.begin() + std::ptrdiff_t(n), order.end(), [&](std::size_t a, std::size_t b) {
    if (value(a) != value(b)) return value(a) > value(b);
    return books.games[a].romName < books.games[b].romName;
  });
  order.resize(n);
  return order;
}

std::vector<std::string> ConfigurationsOf(const std::vector<JournalRun>& runs) {
  std::set<std::string_view> names;
  for (const JournalRun& r : runs) names.insert(r.configuration);
  return {names.begin(), names.end()};
}

std::string FormatDuration(std::uint64_t seconds) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%llu:%02u:%02u", static_cast<unsigned long long>(seconds / 3600),
                unsigned(seconds / 60 % 60), unsigned(seconds % 60));
  return buf;
}

}  // namespace cfg
