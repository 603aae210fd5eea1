// history.dat: the record of a game found, taken and wrapped for the panel.
// fuzz-links: orv_catalogue
#include <fuzzer/FuzzedDataProvider.h>

#include "catalogue/history.h"
#include "fuzz_input.h"

using catalogue::HistoryPanel;
using catalogue::LoadHistory;
using catalogue::kHistoryTextSize;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const int width = in.ConsumeIntegral<int>();
  const std::string rom = in.ConsumeRandomLengthString(16);
  fuzz::RemoveFile("history.xml");
  fuzz::PutFile("history.dat", in.ConsumeRemainingBytesAsString());
  HistoryPanel panel;
  LoadHistory(panel, fuzz::ScratchDirectory(), width, rom);
  fuzz::Require(panel.text.size() < kHistoryTextSize);
  return 0;
}
