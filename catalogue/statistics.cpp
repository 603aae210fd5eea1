#include "catalogue/statistics.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "platform/text_file.h"
#include "platform/debug_log.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace catalogue {

namespace {

constexpr std::size_t kValueSize = 20;

const std::string& FileOf(const StatisticsFiles& files, int kind) {
  return kind == kGameStatistics ? files.listFile : files.globalFile;
}

std::string_view SectionOf(const StatisticsFiles& files, std::string_view name, int kind) {
  if (kind == kGlobalStatistics) return "StatGen";
  if (kind == kListStatistics) return files.listSection;
  return name;
}

std::int32_t ToCounter(std::int64_t v) { return AddCount(0, v); }

}  // namespace

std::int32_t AddCount(std::int32_t a, std::int64_t b) {
  // ParseDecimal saturates at the 64-bit limits: clamp b first so the sum cannot overflow.
  b = std::clamp<std::int64_t>(b, std::numeric_limits<std::int32_t>::min() * std::int64_t(2),
                               std::numeric_limits<std::int32_t>::max() * std::int64_t(2));
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(a + b, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

std::uint32_t AddPlayTime(std::uint32_t base, std::uint32_t elapsed) {
  const std::uint64_t sum = std::uint64_t(base) + elapsed;
  return sum > std::numeric_limits<std::uint32_t>::max() ? std::numeric_limits<std::uint32_t>::max()
                                                          : static_cast<std::uint32_t>(sum);
}

std::string ListSectionName(std::string_view gameListFile) {
  std::string_view name = platform::FileNamePart(gameListFile);
  auto dot = name.rfind('.');
  if (dot != std::string_view::npos && dot != 0) name = name.substr(0, dot);
  return std::string(name);
}

StatisticsFiles MakeStatisticsFiles(std::string_view baseDirectory, std::string_view listStatisticsFile,
                                    std::string_view gameListFile) {
  return {platform::JoinPath(baseDirectory, "Orvanel.sta"), std::string(listStatisticsFile),
          ListSectionName(gameListFile)};
}

std::string FormatPlayTime(std::uint32_t ms) {
  const std::uint32_t seconds = ms / 1000;
  return std::to_string(ms / 3600000) + ":" + std::to_string(seconds % 3600 / 60) + "." +
         std::to_string(seconds % 60);
}

std::uint32_t ParsePlayTime(std::string_view text) {
  std::string_view hours = text, minutes, seconds;
  auto dot = text.rfind('.');
  std::string_view beforeDot = text;
  if (dot != std::string_view::npos) {
    seconds = text.substr(dot + 1);
    beforeDot = text.substr(0, dot);
  }
  auto colon = beforeDot.rfind(':');
  if (colon != std::string_view::npos) {
    hours = beforeDot.substr(0, colon);
    minutes = beforeDot.substr(colon + 1);
  } else if (dot != std::string_view::npos) {
    hours = {};
    minutes = beforeDot;
  } else {
    hours = beforeDot;
  }
  // Each part saturates, so the sum stays far inside 64 bits.
  const auto part = [](std::string_view s) {
    std::int64_t v = platform::ParseDecimal(s);
    return v < 0 ? 0 : std::min<std::int64_t>(v, std::int64_t(1) << 32);
  };
  const std::int64_t ms = (part(hours) * 3600 + part(minutes) * 60 + part(seconds)) * 1000;
  return ms > std::numeric_limits<std::uint32_t>::max() ? std::numeric_limits<std::uint32_t>::max()
                                                        : static_cast<std::uint32_t>(ms);
}

int ReadStatistics(const StatisticsFiles& files, std::string_view name, StatisticsRecord& record,
                   int kind) {
  if (kind == kListStatistics && files.listSection.empty()) return 0;  // no list loaded
  auto file = OpenTextFile(FileOf(files, kind));
  if (!file) return 0;
  static constexpr std::string_view kKeys[] = {"Nb", "NbScr", "C1", "C2", "C3", "C4", "TpsJeux", "TpsTot"};
  const std::size_t keyCount = kind == kGameStatistics ? 7 : 8;
  std::string values[8];
  ReadKeyValues(SectionOf(files, name, kind), std::span<const std::string_view>(kKeys, keyCount), "0",
                kValueSize, *file, std::span<std::string>(values, keyCount));
  record.nb = ToCounter(platform::ParseDecimal(values[0]));
  record.nbScr = ToCounter(platform::ParseDecimal(values[1]));
  for (std::size_t k = 0; k < 4; ++k) record.c[k] = ToCounter(platform::ParseDecimal(values[2 + k]));
  record.playTime = ParsePlayTime(values[6]);
  if (kind != kGameStatistics) record.totalTime = ParsePlayTime(values[7]);
  return 1;
}

bool SaveStatistics(const StatisticsFiles& files, std::string_view name,
                    const StatisticsRecord& record, int kind) {
  std::vector<platform::ProfileValue> values;
  if (record.nb > 0) {
    values.push_back({"Nb", std::to_string(record.nb)});
    values.push_back({"Dt", platform::FormatTimestamp()});
  }
  if (record.nbScr > 0) values.push_back({"NbScr", std::to_string(record.nbScr)});
  for (std::size_t k = 0; k < 4; ++k)
    if (record.c[k] > 0) values.push_back({"C" + std::to_string(k + 1), std::to_string(record.c[k])});
  if (record.playTime != 0) values.push_back({"TpsJeux", FormatPlayTime(record.playTime)});
  if (record.totalTime != 0) values.push_back({"TpsTot", FormatPlayTime(record.totalTime)});
  if (values.empty()) return true;
  const std::string& path = FileOf(files, kind);
  if (path.empty() || (kind == kListStatistics && files.listSection.empty())) return false;
  if (platform::WriteProfileStrings(platform::ResolvePath(path), SectionOf(files, name, kind), values))
    return true;
  platform::WriteLog("Ecriture impossible : " + path, 1, 1);
  return false;
}

void ReadGlobalTotals(Statistics& statistics, std::uint32_t now) {
  statistics.global = {};
  ReadStatistics(statistics.files, "", statistics.global, kGlobalStatistics);
  statistics.startTick = now;
}

void ReadListTotals(Statistics& statistics, std::uint32_t now) {
  statistics.list = {};
  ReadStatistics(statistics.files, "", statistics.list, kListStatistics);
  statistics.listLoadTick = now;
}

namespace {

StatisticsRecord TotalTimeOnly(const StatisticsRecord& base, std::uint32_t since, std::uint32_t now) {
  StatisticsRecord r;
  r.totalTime = AddPlayTime(base.totalTime, now - since);
  return r;
}

}  // namespace

void SaveListTotalTime(const Statistics& statistics, std::uint32_t now) {
  SaveStatistics(statistics.files, "", TotalTimeOnly(statistics.list, statistics.listLoadTick, now),
                 kListStatistics);
}

void SaveTotalTimes(const Statistics& statistics, std::uint32_t now) {
  SaveStatistics(statistics.files, "", TotalTimeOnly(statistics.global, statistics.startTick, now),
                 kGlobalStatistics);
  SaveListTotalTime(statistics, now);
}

}  // namespace catalogue
