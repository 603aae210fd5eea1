// The statistics reader: the three kinds of records and the play-time texts.
// fuzz-links: orv_catalogue
#include <fuzzer/FuzzedDataProvider.h>

#include "catalogue/statistics.h"
#include "fuzz_input.h"

using catalogue::ListSectionName;
using catalogue::ParsePlayTime;
using catalogue::ReadStatistics;
using catalogue::StatisticsFiles;
using catalogue::StatisticsRecord;
using catalogue::kGameStatistics;
using catalogue::kGlobalStatistics;
using catalogue::kListStatistics;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string name = in.ConsumeRandomLengthString(16);
  const std::string section = in.ConsumeRandomLengthString(16);
  const std::string text = in.ConsumeRemainingBytesAsString();
  const std::string path = fuzz::PutFile("game.sta", text);
  StatisticsFiles files{path, path, section};
  for (int kind : {kGameStatistics, kGlobalStatistics, kListStatistics}) {
    StatisticsRecord record;
    ReadStatistics(files, name, record, kind);
  }
  ParsePlayTime(text);
  ListSectionName(text);
  return 0;
}
