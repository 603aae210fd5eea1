// The books of a period: per game, per day, per coin slot and in total, tallied from the
// journal of runs, or from the .sta totals where there is no journal.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/journal.h"
#include "configurator/books/books_period.h"
#include "configurator/books/books_source.h"

namespace cfg {

struct GameBooks {
  std::string configuration;
  std::string romName;
  std::string fullName;            // UTF-8
  std::int64_t plays = 0;          // runs played (neither failed nor left to the screensaver)
  std::array<std::int64_t, 4> coins{};
  std::uint64_t playSeconds = 0;
  std::string lastPlayed;          // "YYYY-MM-DD HH:MM:SS", empty when never
  std::int64_t CoinTotal() const { return coins[0] + coins[1] + coins[2] + coins[3]; }
};

struct DayBooks {
  std::int32_t day = 0;  // catalogue::DayNumber
  std::int64_t plays = 0;
  std::int64_t coins = 0;
};

struct Books {
  std::vector<GameBooks> games;     // sorted by configuration, then ROM name
  std::vector<DayBooks> days;       // every day from the period's first run to its last
  std::array<std::int64_t, 4> coinsPerSlot{};
  std::int64_t coins = 0;
  std::int64_t plays = 0;
  std::uint64_t playSeconds = 0;
  std::uint64_t menuSeconds = 0;    // time in the menu, from Orvanel.sta (since its last reset)
  bool fromJournal = false;         // false: the .sta totals, no per-day figures
};

// The runs of the period, of one configuration or of all (empty name).
Books TallyRuns(const std::vector<catalogue::JournalRun>& runs, const Period& period, const std::string& configuration);

// The .sta totals of the configuration (or all): what older installations have.
Books TallyStatistics(const BooksSource& source, const std::string& configuration);

// Time spent in the menu: TpsTot less TpsJeux of Orvanel.sta's [StatGen].
std::uint64_t MenuSeconds(const std::string& globalFile);

enum class RankBy { kCoins, kPlays };
// Indexes into books.games of the `count` best, best first (ties by name).
std::vector<std::size_t> TopGames(const Books& books, RankBy by, std::size_t count);

// The configurations named in the runs, sorted.
std::vector<std::string> ConfigurationsOf(const std::vector<catalogue::JournalRun>& runs);

// "h:mm:ss".
std::string FormatDuration(std::uint64_t seconds);

}  // namespace cfg
