// The key tracker's decoding of kernel input events: any stream of (type, code, value)
// events, with any filter, and pops between them, keeps the key stack whole.
// fuzz-links: orvanel
#include <fuzzer/FuzzedDataProvider.h>

#include "keytracker/key_tracker.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  KeyTrackerTestMode(1);
  const int k1 = in.ConsumeIntegral<int>(), k2 = in.ConsumeIntegral<int>();
  const int k3 = in.ConsumeIntegral<int>(), k4 = in.ConsumeIntegral<int>();
  KeyTrackerInit(k1, k2, k3, k4);
  MouseTrackerInit(0);
  while (in.remaining_bytes() > 0) {
    const int type = in.ConsumeIntegralInRange<int>(0, 31);
    const int code = in.ConsumeIntegral<std::uint16_t>();
    const int value = in.ConsumeIntegral<int>();
    switch (in.ConsumeIntegralInRange<int>(0, 4)) {
      case 0: KeyTrackerTestFeedLinuxKey(code, value); break;
      case 1: KeyTrackerTestFeedLinuxMouse(type, code, value); break;
      case 2: KeyTrackerTestFeed(static_cast<unsigned long>(value)); break;
      case 3: KeyTrackerGetKey(); break;
      default: KeyTrackerTestFeedLinuxKey(code, 0); break;
    }
  }
  while (KeyTrackerGetKey() != 0) {
  }
  MouseTrackerTerm();
  KeyTrackerTerm();
  return 0;
}
