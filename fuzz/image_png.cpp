// The PNG decoder.
#include "image_check.h"
#include "platform/image_decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz::CheckDecoder(platform::detail::DecodePng, data, size);
}
