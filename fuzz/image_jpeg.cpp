// The JPEG decoder, whole and scaled by the decoder itself (down to a 16 x 16 floor).
#include "image_check.h"
#include "platform/image_decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::CheckDecoder([](std::span<const std::uint8_t> bytes, std::string& error) {
    return platform::detail::DecodeJpeg(bytes, error);
  }, data, size);
  return fuzz::CheckDecoder([](std::span<const std::uint8_t> bytes, std::string& error) {
    return platform::detail::DecodeJpeg(bytes, error, platform::ImageSize{16, 16});
  }, data, size);
}
