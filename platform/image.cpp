#include "platform/image.h"

#include <png.h>

#include <cstring>

#include "platform/files.h"
#include "platform/image_decoders.h"

namespace platform {
namespace detail {

bool CheckDimensions(std::int64_t width, std::int64_t height, std::size_t inputBytes,
                     std::int64_t maxPixelsPerByte, std::string& error) {
  if (width <= 0 || height <= 0) {
    error = "invalid picture size";
    return false;
  }
  if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels) {
    error = "picture too large (" + std::to_string(width) + "x" + std::to_string(height) + ")";
    return false;
  }
  if (maxPixelsPerByte > 0 && width * height > static_cast<std::int64_t>(inputBytes) * maxPixelsPerByte + 4096) {
    error = "picture data too short for its size";
    return false;
  }
  return true;
}

Image MakeImage(int width, int height) {
  Image image;
  image.width = width;
  image.height = height;
  image.rgba.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0);
  return image;
}

std::optional<Image> DecodePng(std::span<const std::uint8_t> bytes, std::string& error) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) {
    error = png.message[0] ? png.message : "PNG header unreadable";
    return std::nullopt;
  }
  // Deflate expands at most about 1032 to 1; a picture bigger than that is corrupt.
  if (!CheckDimensions(png.width, png.height, bytes.size(), 1100, error)) {
    png_image_free(&png);
    return std::nullopt;
  }
  png.format = PNG_FORMAT_RGBA;
  Image image = MakeImage(static_cast<int>(png.width), static_cast<int>(png.height));
  if (!png_image_finish_read(&png, nullptr, image.rgba.data(), 0, nullptr)) {
    error = png.message[0] ? png.message : "PNG data unreadable";
    png_image_free(&png);
    return std::nullopt;
  }
  png_image_free(&png);
  return image;
}

}  // namespace detail

namespace {

bool StartsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> sig) {
  if (bytes.size() < sig.size()) return false;
  return std::equal(sig.begin(), sig.end(), bytes.begin());
}

}  // namespace

std::optional<Image> DecodeImage(std::span<const std::uint8_t> bytes, std::string* error) {
  std::string why;
  std::optional<Image> image;
  if (StartsWith(bytes, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'})) {
    image = detail::DecodePng(bytes, why);
  } else if (StartsWith(bytes, {0xFF, 0xD8, 0xFF})) {
    image = detail::DecodeJpeg(bytes, why);
  } else if (StartsWith(bytes, {'G', 'I', 'F', '8'})) {
    image = detail::DecodeGif(bytes, why);
  } else if (StartsWith(bytes, {'B', 'M'})) {
    image = detail::DecodeBmp(bytes, why);
  } else if (StartsWith(bytes, {0, 0, 1, 0})) {
    image = detail::DecodeIco(bytes, why);
  } else {
    why = bytes.empty() ? "empty file" : "unknown picture format";
  }
  if (!image && error) *error = why.empty() ? "undecodable picture" : why;
  return image;
}

std::optional<Image> LoadImageFile(const std::string& path, std::string* error) {
  // No picture worth showing is larger; a bigger file is refused rather than read whole.
  constexpr std::size_t kMaxFileBytes = std::size_t(256) << 20;
  if (FileSize(path) > static_cast<std::int64_t>(kMaxFileBytes)) {
    if (error) *error = "file too large";
    return std::nullopt;
  }
  auto content = ReadWholeFile(path, kMaxFileBytes);
  if (!content) {
    if (error) *error = "missing";
    return std::nullopt;
  }
  return DecodeImage(std::span(reinterpret_cast<const std::uint8_t*>(content->data()), content->size()), error);
}

void ApplyColourKey(Image& image, std::uint32_t rgbKey) {
  const std::uint8_t r = (rgbKey >> 16) & 0xFF, g = (rgbKey >> 8) & 0xFF, b = rgbKey & 0xFF;
  for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4) {
    std::uint8_t* p = &image.rgba[i];
    if (p[0] == r && p[1] == g && p[2] == b) p[0] = p[1] = p[2] = p[3] = 0;
  }
}

std::vector<std::uint8_t> EncodePng(const Image& image) {
  if (image.width <= 0 || image.height <= 0 ||
      image.rgba.size() != static_cast<std::size_t>(image.width) * image.height * 4) {
    return {};
  }
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&png, nullptr, &size, 0, image.rgba.data(), 0, nullptr)) return {};
  std::vector<std::uint8_t> out(size);
  if (!png_image_write_to_memory(&png, out.data(), &size, 0, image.rgba.data(), 0, nullptr)) return {};
  out.resize(size);
  return out;
}

}  // namespace platform
