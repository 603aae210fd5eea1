// history.xml: the record of a game found, converted and wrapped for the panel.
// fuzz-links: orv_catalogue
#include <fuzzer/FuzzedDataProvider.h>

#include "catalogue/history.h"
#include "catalogue/history_xml.h"
#include "fuzz_input.h"

using catalogue::HistoryPanel;
using catalogue::LoadHistory;
using catalogue::kHistoryTextSize;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const int width = in.ConsumeIntegral<int>();
  const std::string rom = in.ConsumeRandomLengthString(16);
  const std::string text = in.ConsumeRemainingBytesAsString();
  fuzz::RemoveFile("history.dat");
  fuzz::PutFile("history.xml", text);
  HistoryPanel panel;
  LoadHistory(panel, fuzz::ScratchDirectory(), width, rom);
  fuzz::Require(panel.text.size() < kHistoryTextSize);
  platform::Utf8ToCp1252(text);
  return 0;
}
