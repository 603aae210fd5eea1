// A made-up journal of runs, for the guide's picture and the benchmarks: popular games are
// played far more than the rest, most coins go in slot 1, a few runs fail or belong to
// the screensaver. The same seed gives the same journal.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "catalogue/calendar.h"
#include "catalogue/journal.h"
#include "platform/copy_tree.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace demo {

struct JournalGame {
  std::string configuration;
  std::string romName;
  std::string fullName;
};

inline std::vector<catalogue::JournalRun> MakeRuns(const std::vector<JournalGame>& games, std::size_t runs,
                                                   catalogue::Date first, int days, unsigned seed) {
  std::vector<catalogue::JournalRun> out;
  if (games.empty() || days <= 0) return out;
  std::mt19937 rng(seed);
  // Popularity falls with the rank: the first games earn most.
  std::vector<double> weights;
  for (std::size_t i = 0; i < games.size(); ++i) weights.push_back(1.0 / double(i + 3));
  std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
  const std::int32_t day0 = catalogue::DayNumber(first);
  // Fridays and Saturdays are busier, and no two weeks are alike.
  std::vector<double> dayWeights;
  std::uniform_real_distribution<double> spread(0.6, 1.4);
  for (int d = 0; d < days; ++d) {
    const int weekday = (day0 + d + 4) % 7;  // 1970-01-01 was a Thursday (4)
    dayWeights.push_back((weekday == 5 || weekday == 6 ? 2.2 : 1.0) * spread(rng));
  }
  std::discrete_distribution<int> pickDay(dayWeights.begin(), dayWeights.end());
  std::vector<std::int32_t> runDays;
  for (std::size_t i = 0; i < runs; ++i) runDays.push_back(day0 + pickDay(rng));
  std::sort(runDays.begin(), runDays.end());
  out.reserve(runs);
  for (std::size_t i = 0; i < runs; ++i) {
    const std::int32_t day = runDays[i];
    const JournalGame& g = games[pick(rng)];
    catalogue::JournalRun r;
    r.start = {catalogue::DateOfDay(day), int(14 + rng() % 9), int(rng() % 60), int(rng() % 60)};
    r.durationS = 60 + rng() % 900;
    r.configuration = g.configuration;
    r.romName = g.romName;
    r.fullName = g.fullName;
    const unsigned roll = rng() % 100;
    r.ending = roll < 2 ? catalogue::RunEnding::kFailed
             : roll < 7 ? catalogue::RunEnding::kScreensaver
             : roll < 17 ? catalogue::RunEnding::kExitCombo : catalogue::RunEnding::kNormal;
    if (r.ending == catalogue::RunEnding::kFailed) r.durationS = 1;
    if (r.ending == catalogue::RunEnding::kNormal || r.ending == catalogue::RunEnding::kExitCombo) {
      r.coins[0] = std::int32_t(1 + rng() % 3);
      if (rng() % 5 == 0) r.coins[1] = 1;
      if (rng() % 20 == 0) r.coins[2] = 1;
    }
    out.push_back(std::move(r));
  }
  return out;
}

// One file per month below <base>/stats, each replaced whole.
inline bool WriteJournal(const std::string& base, const std::vector<catalogue::JournalRun>& runs) {
  std::map<std::string, std::string> months;
  for (const catalogue::JournalRun& r : runs) {
    std::string& text = months[catalogue::JournalFileName(r.start.date)];
    if (text.empty()) text = catalogue::kJournalHeader;
    text += catalogue::FormatJournalLine(r);
  }
  const std::string dir = catalogue::JournalDirectory(base);
  if (!platform::MakeDirectories(dir)) return false;
  for (const auto& [name, text] : months)
    if (!platform::WriteFileAtomically(platform::JoinPath(dir, name), text)) return false;
  return true;
}

}  // namespace demo
