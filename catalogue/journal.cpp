#include "catalogue/journal.h"

#include <algorithm>
#include <charconv>
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

std::optional<JournalRun> RunOf(std::vector<std::string>& f) {
  if (f.size() != kColumns) return std::nullopt;
  const auto start = ParseIsoDateTime(f[0]);
  const auto duration = Number<std::uint32_t>(f[1]);
  const auto ending = EndingOf(f[9]);
  if (!start || !duration || !ending || f[3].empty()) return std::nullopt;
  JournalRun run{*start, *duration, std::move(f[2]), std::move(f[3]), std::move(f[4]), {}, *ending};
  for (std::size_t k = 0; k < 4; ++k) {
    const auto coins = Number<std::int32_t>(f[5 + k]);
    if (!coins) return std::nullopt;
    run.coins[k] = *coins;
  }
  return run;
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
  CsvReader reader(text);
  CsvReader::Record record;
  bool first = true;
  while (reader.Next(record)) {
    const bool header = first && record.begin == 0 && !record.fields.empty() && record.fields[0] == "start";
    first = false;
    if (header) continue;
    if (record.fields.size() == 1 && record.fields[0].empty() && record.whole) continue;  // an empty line
    std::optional<JournalRun> run = record.whole ? RunOf(record.fields) : std::nullopt;
    if (run) {
      into.runs.push_back(std::move(*run));
      continue;
    }
    ++into.skipped;
    reader.ResumeAfterFirstLine(record);
  }
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
  for (const std::string& f : files) {
    const std::optional<std::string> text = platform::ReadWholeFile(f);
    if (!text) continue;
    ++read.files;
    ReadJournalText(*text, read);
    done += text->size();
    if (progress) progress(done, total);
  }
  return read;
}

}  // namespace catalogue
