#include "catalogue/journal.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>

#include "catalogue/csv.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace catalogue {
namespace {

constexpr std::size_t kColumns = 10;
constexpr std::string_view kPrefix = "journal-";
constexpr std::string_view kSuffix = ".csv";

template <class T>
std::optional<T> Number(std::string_view text) {
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

std::optional<RunEnding> EndingOf(std::string_view name) {
  for (const RunEnding e : {RunEnding::kNormal, RunEnding::kExitCombo, RunEnding::kFailed, RunEnding::kScreensaver})
    if (EndingName(e) == name) return e;
  return std::nullopt;
}

// The run of a record's fields, added to `runs`; its strings are made only once every
// other column has read.
bool AddRun(const std::vector<std::string_view>& f, std::vector<JournalRun>& runs) {
  if (f.size() != kColumns || f[3].empty()) return false;
  const auto start = ParseIsoDateTime(f[0]);
  const auto duration = Number<std::uint32_t>(f[1]);
  const auto ending = EndingOf(f[9]);
  if (!start || !duration || !ending) return false;
  std::array<std::int32_t, 4> coins{};
  for (std::size_t k = 0; k < coins.size(); ++k) {
    const auto c = Number<std::int32_t>(f[5 + k]);
    if (!c) return false;
    coins[k] = *c;
  }
  runs.push_back({*start, *duration, std::string(f[2]), std::string(f[3]), std::string(f[4]), coins, *ending});
  return true;
}

std::size_t LineCount(std::string_view text) {
  std::size_t lines = 1;
  for (const char *at = text.data(), *end = at + text.size();
       (at = static_cast<const char*>(std::memchr(at, '\n', std::size_t(end - at)))) != nullptr; ++at)
    ++lines;
  return lines;
}

// Room for `total` runs, growing at least twice over: moving a year of runs to a
// larger vector costs more than reading them.
void ReserveFor(std::vector<JournalRun>& runs, std::size_t total) {
  if (total > runs.capacity()) runs.reserve(std::max(total, runs.capacity() * 2));
}

void ReadRuns(std::string_view text, JournalRead& into) {
  CsvReader reader(text);
  CsvReader::Record record;
  bool first = true;
  while (reader.Next(record)) {
    const bool header = first && record.begin == 0 && !record.fields.empty() && record.fields[0] == "start";
    first = false;
    if (header) continue;
    if (record.fields.size() == 1 && record.fields[0].empty() && record.whole) continue;  // an empty line
    if (record.whole && AddRun(record.fields, into.runs)) continue;
    ++into.skipped;
    reader.ResumeAfterFirstLine(record);
  }
}

bool IsMonthFile(std::string_view name) {
  if (name.size() != kPrefix.size() + 7 + kSuffix.size()) return false;
  if (name.substr(0, kPrefix.size()) != kPrefix || name.substr(name.size() - kSuffix.size()) != kSuffix) return false;
  return ParseIsoDate(std::string(name.substr(kPrefix.size(), 7)) + "-01").has_value();
}

}  // namespace

std::string_view EndingName(RunEnding ending) {
  switch (ending) {
    case RunEnding::kNormal: return "normal";
    case RunEnding::kExitCombo: return "exit-combo";
    case RunEnding::kFailed: return "failed";
    case RunEnding::kScreensaver: break;
  }
  return "screensaver";
}

std::string JournalDirectory(std::string_view base) { return platform::JoinPath(base, "stats"); }

std::string JournalFileName(const Date& month) {
  return std::string(kPrefix) + FormatIsoDate(month).substr(0, 7) + std::string(kSuffix);
}

std::string FormatJournalLine(const JournalRun& run) {
  std::vector<std::string> f{FormatIsoDateTime(run.start), std::to_string(run.durationS), run.configuration,
                             run.romName, run.fullName};
  for (const std::int32_t c : run.coins) f.push_back(std::to_string(c));
  f.emplace_back(EndingName(run.ending));
  return CsvRecord(f);
}

void ReadJournalText(std::string_view text, JournalRead& into) {
  ReserveFor(into.runs, into.runs.size() + LineCount(text));
  ReadRuns(text, into);
}

std::vector<std::string> JournalFiles(const std::string& directory) {
  std::vector<std::string> names;
  for (const platform::DirEntry& e : platform::ListDirectory(directory))
    if (!e.isDirectory && IsMonthFile(e.name)) names.push_back(e.name);
  std::sort(names.begin(), names.end());
  for (std::string& n : names) n = platform::JoinPath(directory, n);
  return names;
}

JournalRead ReadJournal(const std::string& directory, const std::function<void(std::uint64_t, std::uint64_t)>& progress) {
  JournalRead read;
  const std::vector<std::string> files = JournalFiles(directory);
  std::uint64_t total = 0, done = 0;
  for (const std::string& f : files) total += std::uint64_t(std::max<std::int64_t>(0, platform::FileSize(f)));
  std::string text;  // one buffer for every month
  for (const std::string& f : files) {
    if (!platform::ReadWholeFileInto(f, text)) continue;
    ++read.files;
    done += text.size();
    // The first month tells how many lines the rest of the bytes hold.
    if (read.runs.capacity() == 0 && !text.empty())
      read.runs.reserve(std::size_t(LineCount(text) * std::max(total, done) / done * 17 / 16));
    ReadRuns(text, read);
    if (progress) progress(done, total);
  }
  return read;
}

}  // namespace catalogue
