// Picture decoding for textures: PNG, JPEG, GIF, BMP and the first image of an .ico,
// recognised by their content, decoded to 8-bit RGBA. No input can crash the decoder:
// truncated, corrupt and absurdly large pictures are refused with a reason.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
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

struct ReduceSpan;

// A picture reduced as its rows arrive, top to bottom: the full-size picture never has to
// exist at once. Same rule as ReduceImage.
class RowReducer {
 public:
  RowReducer(ImageSize from, ImageSize to);
  ~RowReducer();
  RowReducer(const RowReducer&) = delete;
  RowReducer& operator=(const RowReducer&) = delete;
  // One row of from.width RGBA pixels; rows beyond from.height are ignored.
  void AddRow(const std::uint8_t* rgba);
  // The reduced picture, once every row was added.
  Image Take();

 private:
  void Finish(int row);
  ImageSize from_, to_;
  std::shared_ptr<std::vector<ReduceSpan>> columns_, rows_;
  std::vector<float> across_;
  std::array<std::vector<float>, 2> sums_;
  int next_ = 0, done_ = 0;
  Image out_;
};

// What a picture is loaded for: decoded (JPEG: scaled while decoded, no smaller than
// floor), its colour key applied, then reduced to keep(its own size) — as its rows arrive
// where the format allows (PNG), so the full-size pixels never exist at once.
struct PictureRequest {
  ImageSize floor;
  std::optional<std::uint32_t> colourKey;         // RGB made see-through before reducing
  std::function<ImageSize(ImageSize own)> keep;  // empty: the whole picture
};
std::optional<Image> LoadPictureFile(const std::string& path, const PictureRequest& request, std::string* error,
                                     ImageSize* fullSize);

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
