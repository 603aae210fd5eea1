// Picture decoding for textures: PNG, JPEG, GIF, BMP and the first image of an .ico,
// recognised by their content, decoded to 8-bit RGBA. No input can crash the decoder:
// truncated, corrupt and absurdly large pictures are refused with a reason.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // R, G, B, A bytes, row-major, no padding
};

// Pictures larger than this are refused rather than decoded.
constexpr int kMaxImageSide = 16384;
constexpr std::int64_t kMaxImagePixels = std::int64_t(8192) * 8192;

struct ImageSize {
  int width = 0;
  int height = 0;
};

// Decodes by content (signature), not by extension. Nothing for unreadable or
// undecodable input; *error (if given) says why: "missing" when the file cannot be
// read, else the decoder's message.
// floor: the smallest size the picture is wanted at; a decoder that can scale while it
// decodes (JPEG, by halves) stops at a size no smaller than it on both axes (0 = full
// size). *fullSize (if given) receives the picture's own size.
std::optional<Image> LoadImageFile(const std::string& path, std::string* error = nullptr, ImageSize floor = {},
                                   ImageSize* fullSize = nullptr);
std::optional<Image> DecodeImage(std::span<const std::uint8_t> bytes, std::string* error = nullptr,
                                 ImageSize floor = {}, ImageSize* fullSize = nullptr);

// The picture reduced to width x height (each at most the picture's own) by area
// averaging: every pixel is the mean of the source area it covers, weighted by alpha so
// that see-through pixels lend no colour to their neighbours. A size at or above the
// picture's leaves it as it is.
Image ReduceImage(const Image& image, int width, int height);

// Fully opaque pixels whose RGB equals key (0xRRGGBB) become fully transparent; pixels
// of that colour with some transparency (soft shadows) stay as they are.
void ApplyColourKey(Image& image, std::uint32_t rgbKey);

// Encodes RGBA as PNG (for screenshots and generated pictures). Empty on failure.
std::vector<std::uint8_t> EncodePng(const Image& image);

}  // namespace platform
