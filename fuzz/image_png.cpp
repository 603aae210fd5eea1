// The PNG decoder, whole and reduced row by row to a quarter of each side while decoding.
#include "image_check.h"
#include "platform/image.h"
#include "platform/image_decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::CheckDecoder([](std::span<const std::uint8_t> bytes, std::string& error) {
    return platform::detail::DecodePng(bytes, error);
  }, data, size);
  return fuzz::CheckDecoder([](std::span<const std::uint8_t> bytes, std::string& error) {
    platform::PictureRequest request;
    request.colourKey = 0xFF00FFu;
    request.keep = [](platform::ImageSize own) {
      return platform::ImageSize{(own.width + 3) / 4, (own.height + 3) / 4};
    };
    return platform::detail::DecodePng(bytes, error, &request);
  }, data, size);
}
