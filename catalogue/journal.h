// The journal of runs: one CSV line per game run, appended to stats/journal-<YYYY-MM>.csv
// of the installation when the run ends. The .sta files keep the totals; the journal keeps
// when each run happened, so the books can be read per day and per period.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/calendar.h"

namespace catalogue {

enum class RunEnding { kNormal, kExitCombo, kFailed, kScreensaver };

// "normal", "exit-combo", "failed", "screensaver": the file's words, never translated.
std::string_view EndingName(RunEnding ending);

struct JournalRun {
  DateTime start;                 // local time the game started
  std::uint32_t durationS = 0;
  std::string configuration;
  std::string romName;
  std::string fullName;           // UTF-8
  std::array<std::int32_t, 4> coins{};  // C1..C4 during this run
  RunEnding ending = RunEnding::kNormal;
};

inline constexpr std::string_view kJournalHeader =
    "start,duration_s,configuration,game,full_name,c1,c2,c3,c4,ending\r\n";

// <base>/stats, and the month's file in it: journal-2026-12.csv.
std::string JournalDirectory(std::string_view base);
std::string JournalFileName(const Date& month);
// The journal's line for a run, CR LF included.
std::string FormatJournalLine(const JournalRun& run);

struct JournalRead {
  std::vector<JournalRun> runs;   // in file order, months in order
  int skipped = 0;                // lines cut or not understood
  int files = 0;                  // month files read
};

// Adds the runs of one month file's text. A line that is cut, has another number of
// columns or a value that does not read is skipped and counted, never fatal; the header
// line is not a run.
void ReadJournalText(std::string_view text, JournalRead& into);

// The month files of a journal folder, sorted by month (journal-YYYY-MM.csv only).
std::vector<std::string> JournalFiles(const std::string& directory);
// Reads every month file of the folder. progress(bytesRead, bytesTotal) after each file.
JournalRead ReadJournal(const std::string& directory,
                        const std::function<void(std::uint64_t, std::uint64_t)>& progress = {});

}  // namespace catalogue
