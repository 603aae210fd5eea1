#include "platform/image.h"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <memory>

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

namespace {

struct PngReader {
  std::span<const std::uint8_t> bytes;
  std::size_t pos = 0;
  std::string message;
};

void PngRead(png_structp png, png_bytep out, png_size_t count) {
  auto* r = static_cast<PngReader*>(png_get_io_ptr(png));
  if (count > r->bytes.size() - r->pos) png_error(png, "PNG data truncated");
  std::memcpy(out, r->bytes.data() + r->pos, count);
  r->pos += count;
}

void PngError(png_structp png, png_const_charp message) {
  static_cast<PngReader*>(png_get_error_ptr(png))->message = message ? message : "PNG data unreadable";
  png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

}  // namespace

std::optional<Image> DecodePng(std::span<const std::uint8_t> bytes, std::string& error, const PictureRequest* request,
                               ImageSize* fullSize) {
  // Everything the error path reads lives on the heap, out of reach of the longjmp.
  struct State {
    PngReader reader;
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::optional<Image> image;
    std::vector<png_bytep> rows;
    std::vector<std::uint8_t> row;
    std::optional<RowReducer> reducer;
  };
  auto state = std::make_unique<State>();
  State& s = *state;
  s.reader.bytes = bytes;
  s.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &s.reader, PngError, PngWarning);
  if (!s.png) {
    error = "PNG decoder unavailable";
    return std::nullopt;
  }
  s.info = png_create_info_struct(s.png);
  if (!s.info || setjmp(png_jmpbuf(s.png))) {
    png_destroy_read_struct(&s.png, &s.info, nullptr);
    error = s.reader.message.empty() ? "PNG data unreadable" : s.reader.message;
    return std::nullopt;
  }
  png_set_read_fn(s.png, &s.reader, PngRead);
  // A chunk's header may claim up to 2 GB, and libpng allocates and clears a text or
  // profile chunk's whole length before reading it: a 150-byte file took 1.6 GB. Only
  // the picture's own chunks are read; the rest is skipped unread, and any kept is capped.
  png_set_keep_unknown_chunks(s.png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  png_set_chunk_malloc_max(s.png, 8u << 20);
  png_set_user_limits(s.png, kMaxImageSide, kMaxImageSide);
#ifdef PNG_IGNORE_ADLER32
  // The chunk CRCs already guard the data; the second checksum costs a tenth of the decode.
  png_set_option(s.png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
#endif
  png_read_info(s.png, s.info);
  const png_uint_32 width = png_get_image_width(s.png, s.info);
  const png_uint_32 height = png_get_image_height(s.png, s.info);
  // Deflate expands at most about 1032 to 1; a picture bigger than that is corrupt.
  if (!CheckDimensions(width, height, bytes.size(), 1100, error)) {
    png_destroy_read_struct(&s.png, &s.info, nullptr);
    return std::nullopt;
  }
  const int colourType = png_get_color_type(s.png, s.info);
  png_set_expand(s.png);  // palette and small grays to 8 bits, tRNS to alpha
  png_set_strip_16(s.png);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(s.png);
  if (!(colourType & PNG_COLOR_MASK_ALPHA) && !png_get_valid(s.png, s.info, PNG_INFO_tRNS)) {
    png_set_add_alpha(s.png, 0xFF, PNG_FILLER_AFTER);
  }
  const int passes = png_set_interlace_handling(s.png);
  png_read_update_info(s.png, s.info);
  if (png_get_rowbytes(s.png, s.info) != static_cast<png_size_t>(width) * 4) {
    png_error(s.png, "unsupported PNG colour layout");
  }
  const ImageSize own{static_cast<int>(width), static_cast<int>(height)};
  if (fullSize) *fullSize = own;
  const ImageSize kept = request && request->keep ? request->keep(own) : own;
  if (passes == 1 && (kept.width < own.width || kept.height < own.height)) {
    // Row by row into the reduction: the full-size picture never exists.
    s.reducer.emplace(own, kept);
    s.row.resize(static_cast<std::size_t>(width) * 4);
    for (png_uint_32 y = 0; y < height; ++y) {
      png_read_row(s.png, s.row.data(), nullptr);
      if (request->colourKey) KeyPixels(s.row, *request->colourKey);
      s.reducer->AddRow(s.row.data());
    }
    png_destroy_read_struct(&s.png, &s.info, nullptr);
    return s.reducer->Take();
  }
  s.image = MakeImage(static_cast<int>(width), static_cast<int>(height));
  s.rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) s.rows[y] = s.image->rgba.data() + static_cast<std::size_t>(y) * width * 4;
  png_read_image(s.png, s.rows.data());
  png_destroy_read_struct(&s.png, &s.info, nullptr);
  if (request && request->colourKey) KeyPixels(s.image->rgba, *request->colourKey);
  if (kept.width < own.width || kept.height < own.height) return ReduceImage(*s.image, kept.width, kept.height);
  return std::move(s.image);
}

}  // namespace detail

namespace {

bool StartsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> sig) {
  if (bytes.size() < sig.size()) return false;
  return std::equal(sig.begin(), sig.end(), bytes.begin());
}

}  // namespace

std::optional<Image> DecodeImage(std::span<const std::uint8_t> bytes, std::string* error, ImageSize floor, ImageSize* fullSize) {
  std::string why;
  ImageSize full;
  std::optional<Image> image;
  if (StartsWith(bytes, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'})) {
    image = detail::DecodePng(bytes, why);
  } else if (StartsWith(bytes, {0xFF, 0xD8, 0xFF})) {
    image = detail::DecodeJpeg(bytes, why, floor, &full);
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
  if (image && fullSize) *fullSize = full.width > 0 ? full : ImageSize{image->width, image->height};
  return image;
}

namespace {

// A picture file's bytes; nothing (with "missing" or the reason) when it cannot be read.
std::optional<std::string> PictureBytes(const std::string& path, std::string* error) {
  // No picture worth showing is larger; a bigger file is refused rather than read whole.
  constexpr std::size_t kMaxFileBytes = std::size_t(256) << 20;
  if (FileSize(path) > static_cast<std::int64_t>(kMaxFileBytes)) {
    if (error) *error = "file too large";
    return std::nullopt;
  }
  auto content = ReadWholeFile(path, kMaxFileBytes);
  if (!content && error) *error = "missing";
  return content;
}

std::span<const std::uint8_t> AsBytes(const std::string& s) {
  return std::span(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
}

}  // namespace

std::optional<Image> LoadImageFile(const std::string& path, std::string* error, ImageSize floor, ImageSize* fullSize) {
  const auto content = PictureBytes(path, error);
  if (!content) return std::nullopt;
  return DecodeImage(AsBytes(*content), error, floor, fullSize);
}

std::optional<Image> LoadPictureFile(const std::string& path, const PictureRequest& request, std::string* error,
                                     ImageSize* fullSize) {
  const auto content = PictureBytes(path, error);
  if (!content) return std::nullopt;
  const std::span<const std::uint8_t> bytes = AsBytes(*content);
  ImageSize own;
  if (StartsWith(bytes, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'})) {
    std::string why;
    std::optional<Image> image = detail::DecodePng(bytes, why, &request, &own);
    if (!image && error) *error = why.empty() ? "undecodable picture" : why;
    if (image && fullSize) *fullSize = own;
    return image;
  }
  std::optional<Image> image = DecodeImage(bytes, error, request.floor, &own);
  if (!image) return std::nullopt;
  if (request.colourKey) ApplyColourKey(*image, *request.colourKey);
  if (request.keep) {
    const ImageSize kept = request.keep(own);
    if (kept.width < image->width || kept.height < image->height)
      *image = ReduceImage(*image, std::min(kept.width, image->width), std::min(kept.height, image->height));
  }
  if (fullSize) *fullSize = own;
  return image;
}

void ApplyColourKey(Image& image, std::uint32_t rgbKey) { detail::KeyPixels(image.rgba, rgbKey); }

void detail::KeyPixels(std::span<std::uint8_t> rgba, std::uint32_t rgbKey) {
  const std::uint8_t r = (rgbKey >> 16) & 0xFF, g = (rgbKey >> 8) & 0xFF, b = rgbKey & 0xFF;
  for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) {
    std::uint8_t* p = &rgba[i];
    // The key is the colour fully opaque: a soft shadow of that colour keeps its alpha.
    if (p[0] == r && p[1] == g && p[2] == b && p[3] == 255) p[0] = p[1] = p[2] = p[3] = 0;
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
