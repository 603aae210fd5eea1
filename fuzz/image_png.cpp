// The PNG decoder, whole and reduced row by row to a quarter of each side while decoding.
#include "image_check.h"
#include "platform/image.h"
#include "platform/image_decoders.h"

namespace {

// Pixels the header claims, 0 when it has none. A 60 kB input may claim 64 million pixels
// of one-bit grey; decoding those twice under the sanitizers takes longer than the run's
// timeout, so the reduced decode is fuzzed on pictures of up to 4 million pixels.
std::uint64_t ClaimedPixels(const std::uint8_t* data, std::size_t size) {
  if (size < 24) return 0;
  auto word = [&](std::size_t at) {
    return std::uint64_t(data[at]) << 24 | std::uint64_t(data[at + 1]) << 16 | std::uint64_t(data[at + 2]) << 8 |
           data[at + 3];
  };
  return word(16) * word(20);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::CheckDecoder([](std::span<const std::uint8_t> bytes, std::string& error) {
    return platform::detail::DecodePng(bytes, error);
  }, data, size);
  if (ClaimedPixels(data, size) > std::uint64_t(2048) * 2048) return 0;
  return fuzz::CheckDecoder([](std::span<const std::uint8_t> bytes, std::string& error) {
    platform::PictureRequest request;
    request.colourKey = 0xFF00FFu;
    request.keep = [](platform::ImageSize own) {
      return platform::ImageSize{(own.width + 3) / 4, (own.height + 3) / 4};
    };
    return platform::detail::DecodePng(bytes, error, &request);
  }, data, size);
}
