// Windows bitmaps, by hand: BMP files and the first image of an icon (a bitmap whose
// height covers the colour image and the 1-bit mask below it, or an embedded PNG).
#include <algorithm>
#include <array>
#include <bit>

#include "platform/image_decoders.h"

namespace platform::detail {
namespace {

std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return at + 2 <= b.size() ? std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 : 0;
}
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return at + 4 <= b.size() ? U16(b, at) | U16(b, at + 2) << 16 : 0;
}

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kJpeg = 4, kPng = 5, kAlphaBitFields = 6 };

struct DibInfo {
  std::int64_t width = 0;
  std::int64_t height = 0;  // of the colour image (icons: half the header's)
  bool topDown = false;
  int bitCount = 0;
  std::uint32_t compression = kRgb;
  std::array<std::uint32_t, 4> masks{};  // R, G, B, A
  std::vector<std::array<std::uint8_t, 3>> palette;  // R, G, B
  std::size_t pixelOffset = 0;  // into the DIB span, when no file header says otherwise
};

// One colour channel out of a masked pixel, scaled to 8 bits.
std::uint8_t Channel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int bits = std::popcount(mask >> shift);
  std::uint32_t v = (pixel & mask) >> shift;
  const std::uint32_t max = bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
  if (max == 0) return 0;
  return static_cast<std::uint8_t>((static_cast<std::uint64_t>(v) * 255 + max / 2) / max);
}

bool ReadInfo(std::span<const std::uint8_t> dib, bool isIcon, DibInfo& info, std::string& error) {
  const std::uint32_t headerSize = U32(dib, 0);
  std::size_t paletteEntrySize = 4;
  if (headerSize == 12 && dib.size() >= 12) {
    info.width = U16(dib, 4);
    info.height = U16(dib, 6);
    info.bitCount = static_cast<int>(U16(dib, 10));
    paletteEntrySize = 3;
  } else if (headerSize >= 40 && headerSize <= 1024 && dib.size() >= headerSize) {
    info.width = static_cast<std::int32_t>(U32(dib, 4));
    info.height = static_cast<std::int32_t>(U32(dib, 8));
    info.bitCount = static_cast<int>(U16(dib, 14));
    info.compression = U32(dib, 16);
  } else {
    error = "bitmap header unreadable";
    return false;
  }
  if (info.height < 0) {
    info.topDown = true;
    info.height = -info.height;
  }
  if (isIcon) info.height /= 2;
  std::size_t pos = headerSize;
  if (info.compression == kBitFields || info.compression == kAlphaBitFields) {
    const std::size_t count = info.compression == kAlphaBitFields ? 4 : 3;
    std::size_t at = headerSize >= 52 ? 40 : pos;
    for (std::size_t i = 0; i < count; ++i) info.masks[i] = U32(dib, at + 4 * i);
    if (headerSize >= 56) info.masks[3] = U32(dib, 52);
    if (headerSize < 52) pos += 4 * count;
  } else if (info.bitCount == 16) {
    info.masks = {0x7C00, 0x03E0, 0x001F, 0};
  } else if (info.bitCount == 32) {
    info.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, isIcon ? 0xFF000000u : 0u};
  }
  if (info.bitCount <= 8 && info.compression != kJpeg && info.compression != kPng) {
    std::uint32_t colours = headerSize >= 40 ? U32(dib, 32) : 0;
    if (info.bitCount < 1) {
      error = "bitmap depth unsupported";
      return false;
    }
    const std::uint32_t full = 1u << info.bitCount;
    if (colours == 0 || colours > full) colours = full;
    for (std::uint32_t i = 0; i < colours; ++i) {
      const std::size_t at = pos + i * paletteEntrySize;
      if (at + 3 > dib.size()) break;
      info.palette.push_back({dib[at + 2], dib[at + 1], dib[at]});
    }
    pos += colours * paletteEntrySize;
    info.palette.resize(full, {0, 0, 0});
  }
  info.pixelOffset = pos;
  return true;
}

void PutPaletted(const DibInfo& info, Image& image, std::int64_t x, std::int64_t row, unsigned index) {
  if (x < 0 || x >= info.width || row < 0 || row >= info.height) return;
  const std::int64_t y = info.topDown ? row : info.height - 1 - row;
  std::uint8_t* out = &image.rgba[static_cast<std::size_t>((y * info.width + x) * 4)];
  const auto& c = info.palette[std::min<std::size_t>(index, info.palette.size() - 1)];
  out[0] = c[0];
  out[1] = c[1];
  out[2] = c[2];
  out[3] = 255;
}

// Run-length bitmaps: pixels not written by the runs stay transparent.
bool DecodeRle(std::span<const std::uint8_t> data, const DibInfo& info, Image& image) {
  const bool four = info.compression == kRle4;
  std::int64_t x = 0, row = 0;
  std::size_t i = 0;
  while (i + 1 < data.size() && row < info.height) {
    const unsigned count = data[i], value = data[i + 1];
    i += 2;
    if (count > 0) {
      for (unsigned k = 0; k < count; ++k, ++x) {
        PutPaletted(info, image, x, row, four ? ((k & 1) ? value & 0x0F : value >> 4) : value);
      }
    } else if (value == 0) {
      x = 0;
      ++row;
    } else if (value == 1) {
      return true;
    } else if (value == 2) {
      if (i + 1 >= data.size()) return true;
      x += data[i];
      row += data[i + 1];
      i += 2;
    } else {
      const std::size_t bytes = four ? (value + 1) / 2 : value;
      for (unsigned k = 0; k < value && i + (four ? k / 2 : k) < data.size(); ++k, ++x) {
        const std::uint8_t b = data[i + (four ? k / 2 : k)];
        PutPaletted(info, image, x, row, four ? ((k & 1) ? b & 0x0F : b >> 4) : b);
      }
      i += (bytes + 1) & ~std::size_t(1);  // runs are padded to whole words
    }
  }
  return true;
}

bool DecodeRows(std::span<const std::uint8_t> data, const DibInfo& info, Image& image, std::string& error) {
  const int bpp = info.bitCount;
  if (bpp != 1 && bpp != 2 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
    error = "bitmap depth unsupported";
    return false;
  }
  const std::size_t stride = static_cast<std::size_t>((info.width * bpp + 31) / 32) * 4;
  if (data.size() / stride < static_cast<std::size_t>(info.height)) {
    error = "bitmap data truncated";
    return false;
  }
  bool anyAlpha = false;
  for (std::int64_t row = 0; row < info.height; ++row) {
    const std::uint8_t* in = data.data() + static_cast<std::size_t>(row) * stride;
    const std::int64_t y = info.topDown ? row : info.height - 1 - row;
    std::uint8_t* out = &image.rgba[static_cast<std::size_t>(y * info.width * 4)];
    for (std::int64_t x = 0; x < info.width; ++x, out += 4) {
      if (bpp <= 8) {
        const std::size_t bit = static_cast<std::size_t>(x) * bpp;
        const unsigned index = (in[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
        const auto& c = info.palette[index];
        out[0] = c[0];
        out[1] = c[1];
        out[2] = c[2];
        out[3] = 255;
      } else if (bpp == 24) {
        const std::uint8_t* p = in + x * 3;
        out[0] = p[2];
        out[1] = p[1];
        out[2] = p[0];
        out[3] = 255;
      } else {
        const std::uint8_t* p = in + x * (bpp / 8);
        const std::uint32_t pixel = bpp == 16 ? std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8
                                              : std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 |
                                                    std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
        out[0] = Channel(pixel, info.masks[0]);
        out[1] = Channel(pixel, info.masks[1]);
        out[2] = Channel(pixel, info.masks[2]);
        out[3] = info.masks[3] ? Channel(pixel, info.masks[3]) : 255;
        anyAlpha = anyAlpha || out[3] != 0;
      }
    }
  }
  // An alpha channel that is zero everywhere was never meant as one.
  if (info.masks[3] && !anyAlpha) {
    for (std::size_t i = 3; i < image.rgba.size(); i += 4) image.rgba[i] = 255;
  }
  return true;
}

// The icon mask: a set bit makes the pixel transparent (unless the colour image
// carries its own alpha).
void ApplyIconMask(std::span<const std::uint8_t> mask, const DibInfo& info, Image& image) {
  if (info.bitCount == 32) {
    bool hasAlpha = false;
    for (std::size_t i = 3; i < image.rgba.size() && !hasAlpha; i += 4) hasAlpha = image.rgba[i] != 255;
    if (hasAlpha) return;
  }
  const std::size_t stride = static_cast<std::size_t>((info.width + 31) / 32) * 4;
  for (std::int64_t row = 0; row < info.height; ++row) {
    const std::size_t at = static_cast<std::size_t>(row) * stride;
    if (at + stride > mask.size()) return;
    const std::int64_t y = info.height - 1 - row;
    for (std::int64_t x = 0; x < info.width; ++x) {
      if (mask[at + static_cast<std::size_t>(x) / 8] & (0x80 >> (x % 8))) {
        std::uint8_t* p = &image.rgba[static_cast<std::size_t>((y * info.width + x) * 4)];
        p[0] = p[1] = p[2] = p[3] = 0;
      }
    }
  }
}

std::optional<Image> DecodeDibAt(std::span<const std::uint8_t> dib, std::size_t pixelOffset, bool useOffset,
                                 bool isIcon, std::string& error) {
  DibInfo info;
  if (!ReadInfo(dib, isIcon, info, error)) return std::nullopt;
  const std::size_t start = useOffset ? pixelOffset : info.pixelOffset;
  if (start > dib.size()) {
    error = "bitmap data missing";
    return std::nullopt;
  }
  const auto data = dib.subspan(start);
  // Embedded streams are decoded directly, never as another bitmap: no recursion.
  if (info.compression == kJpeg) return DecodeJpeg(data, error);
  if (info.compression == kPng) return DecodePng(data, error);
  const bool rle = info.compression == kRle8 || info.compression == kRle4;
  // Run-length deltas may skip whole rows, so only the plain rows bound the size by the data.
  if (!CheckDimensions(info.width, info.height, data.size(), rle ? 0 : 64, error)) return std::nullopt;
  Image image = MakeImage(static_cast<int>(info.width), static_cast<int>(info.height));
  if (rle) {
    if ((info.compression == kRle8 && info.bitCount != 8) || (info.compression == kRle4 && info.bitCount != 4)) {
      error = "bitmap compression unsupported";
      return std::nullopt;
    }
    DecodeRle(data, info, image);
  } else if (info.compression == kRgb || info.compression == kBitFields || info.compression == kAlphaBitFields) {
    if (!DecodeRows(data, info, image, error)) return std::nullopt;
    if (isIcon) {
      const std::size_t stride = static_cast<std::size_t>((info.width * info.bitCount + 31) / 32) * 4;
      ApplyIconMask(data.subspan(std::min(data.size(), stride * static_cast<std::size_t>(info.height))), info, image);
    }
  } else {
    error = "bitmap compression unsupported";
    return std::nullopt;
  }
  return image;
}

}  // namespace

std::optional<Image> DecodeDib(std::span<const std::uint8_t> dib, bool isIcon, std::string& error) {
  return DecodeDibAt(dib, 0, false, isIcon, error);
}

std::optional<Image> DecodeBmp(std::span<const std::uint8_t> bytes, std::string& error) {
  constexpr std::size_t kFileHeader = 14;
  if (bytes.size() < kFileHeader + 12) {
    error = "bitmap truncated";
    return std::nullopt;
  }
  const std::size_t offBits = U32(bytes, 10);
  const auto dib = bytes.subspan(kFileHeader);
  // Some writers leave the offset at 0: the pixels then follow header and palette.
  const bool useOffset = offBits >= kFileHeader;
  return DecodeDibAt(dib, useOffset ? offBits - kFileHeader : 0, useOffset, false, error);
}

std::optional<Image> DecodeIco(std::span<const std::uint8_t> bytes, std::string& error) {
  if (bytes.size() < 6 + 16 || U16(bytes, 2) != 1 || U16(bytes, 4) == 0) {
    error = "icon header unreadable";
    return std::nullopt;
  }
  const std::size_t size = U32(bytes, 6 + 8);
  const std::size_t offset = U32(bytes, 6 + 12);
  if (offset >= bytes.size() || size == 0 || size > bytes.size() - offset) {
    error = "icon image truncated";
    return std::nullopt;
  }
  const auto data = bytes.subspan(offset, size);
  if (data.size() >= 8 && data[0] == 0x89 && data[1] == 'P') return DecodePng(data, error);
  return DecodeDib(data, true, error);
}

}  // namespace platform::detail
