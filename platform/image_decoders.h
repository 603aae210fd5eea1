// The decoders behind DecodeImage, one per format. Each returns nothing and sets *error
// for input it cannot decode; none trusts a size field without checking it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/image.h"

namespace platform::detail {

// With a request: its colour key applied and the picture reduced to what it keeps, row by
// row when the file is not interlaced; *fullSize receives the picture's own size.
std::optional<Image> DecodePng(std::span<const std::uint8_t> bytes, std::string& error,
                               const PictureRequest* request = nullptr, ImageSize* fullSize = nullptr);
// floor: the decoder's own scaling (1/2, 1/4, 1/8) stops where both sides stay at least
// this large; *fullSize receives the picture's own size.
std::optional<Image> DecodeJpeg(std::span<const std::uint8_t> bytes, std::string& error, ImageSize floor = {},
                                ImageSize* fullSize = nullptr);
std::optional<Image> DecodeGif(std::span<const std::uint8_t> bytes, std::string& error);
std::optional<Image> DecodeBmp(std::span<const std::uint8_t> bytes, std::string& error);
std::optional<Image> DecodeIco(std::span<const std::uint8_t> bytes, std::string& error);

// A device-independent bitmap (header + optional palette + pixels) as it stands after a
// BMP file header or inside an icon. For icons the height covers colour and mask, and
// the mask is applied.
std::optional<Image> DecodeDib(std::span<const std::uint8_t> dib, bool isIcon, std::string& error);

// Refuses sizes beyond the caps, and sizes the input cannot possibly hold (a compressed
// format cannot expand beyond maxPixelsPerByte pixels per input byte).
bool CheckDimensions(std::int64_t width, std::int64_t height, std::size_t inputBytes,
                     std::int64_t maxPixelsPerByte, std::string& error);

// Fully opaque pixels of exactly the key's RGB become fully transparent (rgba: whole pixels).
void KeyPixels(std::span<std::uint8_t> rgba, std::uint32_t rgbKey);

// A blank RGBA image of a checked size.
Image MakeImage(int width, int height);

}  // namespace platform::detail
