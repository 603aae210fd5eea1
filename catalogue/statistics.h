// Play statistics: how often the frontend started, how often each game ran (by the
// player or the screensaver), the coin keys reported during play, and the time spent in
// games and in the frontend. Kept per game (the list's .sta file), per list and for the
// whole installation (Orvanel.sta), as profile files with times written "h:m.s".
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace catalogue {

enum StatisticsKind : int {
  kGameStatistics = 0,    // list statistics file, section = ROM name
  kGlobalStatistics = 1,  // Orvanel.sta, section StatGen
  kListStatistics = 2,    // Orvanel.sta, section named after the game list file
};

struct StatisticsRecord {
  std::int32_t nb = 0;      // Nb: normal runs
  std::int32_t nbScr = 0;   // NbScr: screensaver runs
  std::array<std::int32_t, 4> c{};  // C1..C4: tracked key reports
  std::uint32_t playTime = 0;   // TpsJeux, ms
  std::uint32_t totalTime = 0;  // TpsTot, ms (not in game records)
};

// Where the three kinds of records live.
struct StatisticsFiles {
  std::string globalFile;   // <base>/Orvanel.sta
  std::string listFile;     // the list's .sta file
  std::string listSection;  // the game list file's name without directory and extension
};

// The program-wide totals: the global record's counts and time read at start-up, the
// list record's read at each configuration load, and the ticks they were read at.
struct Statistics {
  StatisticsFiles files;
  StatisticsRecord global;
  StatisticsRecord list;
  std::uint32_t startTick = 0;       // frontend start
  std::uint32_t listLoadTick = 0;    // configuration load; 0 = no list loaded yet
};

// "C:\lists\mame.txt" -> "mame": the part after the last separator, without everything
// from its last "." (kept when that "." is the first character).
std::string ListSectionName(std::string_view gameListFile);
// Orvanel.sta below the base directory, the list's .sta file and its section name.
StatisticsFiles MakeStatisticsFiles(std::string_view baseDirectory, std::string_view listStatisticsFile,
                                    std::string_view gameListFile);

// Sums that stop at the type's limit instead of wrapping: a counter or time never turns
// small or negative because a cabinet ran for years.
std::int32_t AddCount(std::int32_t a, std::int64_t b);
std::uint32_t AddPlayTime(std::uint32_t base, std::uint32_t elapsed);

// ms -> "hours:minutes.seconds" ("1:2.3" for 3,723,000 ms) and back. Parts that cannot be
// read count as 0; a text without "." is read as hours[:minutes].
std::string FormatPlayTime(std::uint32_t ms);
std::uint32_t ParsePlayTime(std::string_view text);

// Reads a record into `record` (kind 0: section `name` of the list file). 0 when the file
// cannot be opened; the record is then left as it was. Missing or unreadable values are 0.
int ReadStatistics(const StatisticsFiles& files, std::string_view name, StatisticsRecord& record,
                   int kind);

// Writes the counters that are > 0 (with Dt = now when Nb is written) and the times that
// are not 0, all in one atomic replace of the file; every other key, section and line of
// the file is kept. False when the file could not be written (the old one stays whole).
bool SaveStatistics(const StatisticsFiles& files, std::string_view name,
                    const StatisticsRecord& record, int kind);

// Start-up: global totals read, frontend start tick = now.
void ReadGlobalTotals(Statistics& statistics, std::uint32_t now);
// Configuration load: totals of the new list read, load tick = now.
void ReadListTotals(Statistics& statistics, std::uint32_t now);
// Leaving a configuration: the list's TpsTot = its total at load + now - load tick.
void SaveListTotalTime(const Statistics& statistics, std::uint32_t now);
// Every 30 s, during games and at shutdown: global and list TpsTot, each from its own
// base and tick.
void SaveTotalTimes(const Statistics& statistics, std::uint32_t now);

}  // namespace catalogue
