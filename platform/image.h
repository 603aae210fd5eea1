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

// Decodes by content (signature), not by extension. Nothing for unreadable or
// undecodable input; *error (if given) says why: "missing" when the file cannot be
// read, else the decoder's message.
std::optional<Image> LoadImageFile(const std::string& path, std::string* error = nullptr);
std::optional<Image> DecodeImage(std::span<const std::uint8_t> bytes, std::string* error = nullptr);

// Fully opaque pixels whose RGB equals key (0xRRGGBB) become fully transparent; pixels
// of that colour with some transparency (soft shadows) stay as they are.
void ApplyColourKey(Image& image, std::uint32_t rgbKey);

// Encodes RGBA as PNG (for screenshots and generated pictures). Empty on failure.
std::vector<std::uint8_t> EncodePng(const Image& image);

}  // namespace platform
