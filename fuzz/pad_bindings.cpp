// The [Manettes] values: any text reads into bindings whose written form reads back the same.
// fuzz-links: orv_settings
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/pad_binding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto bindings = settings::ParsePadBindings(text);
  if (settings::ParsePadBindings(settings::PadBindingsText(bindings)) != bindings) std::abort();
  for (const auto& b : bindings) (void)settings::PadDeviceMatches(b.device, "", "0300", text);
  return 0;
}
