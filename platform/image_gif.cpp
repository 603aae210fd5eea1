// GIF through giflib: the first image, placed on the logical screen, with its
// transparent colour. Sizes are checked before giflib is asked for any pixel.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/image_decoders.h"

namespace platform::detail {
namespace {

struct MemoryReader {
  std::span<const std::uint8_t> bytes;
  std::size_t pos = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int count) {
  auto* r = static_cast<MemoryReader*>(gif->UserData);
  if (count <= 0) return 0;
  const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count), r->bytes.size() - r->pos);
  std::memcpy(out, r->bytes.data() + r->pos, n);
  r->pos += n;
  return static_cast<int>(n);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int err = 0;
    DGifCloseFile(gif, &err);
  }
};

}  // namespace

std::optional<Image> DecodeGif(std::span<const std::uint8_t> bytes, std::string& error) {
  MemoryReader reader{bytes};
  int err = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&reader, ReadFromMemory, &err));
  if (!gif) {
    error = GifErrorString(err) ? GifErrorString(err) : "GIF header unreadable";
    return std::nullopt;
  }
  int transparent = -1;
  for (;;) {
    GifRecordType type;
    if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) break;
    if (type == TERMINATE_RECORD_TYPE) break;
    if (type == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* ext = nullptr;
      if (DGifGetExtension(gif.get(), &code, &ext) == GIF_ERROR) break;
      if (code == GRAPHICS_EXT_FUNC_CODE && ext && ext[0] >= 4) {
        GraphicsControlBlock gcb;
        if (DGifExtensionToGCB(ext[0], ext + 1, &gcb) == GIF_OK) transparent = gcb.TransparentColor;
      }
      while (ext) {
        if (DGifGetExtensionNext(gif.get(), &ext) == GIF_ERROR) {
          error = "GIF extension unreadable";
          return std::nullopt;
        }
      }
      continue;
    }
    if (type != IMAGE_DESC_RECORD_TYPE) continue;
    if (DGifGetImageDesc(gif.get()) == GIF_ERROR) break;
    const GifImageDesc& desc = gif->Image;
    int screenW = gif->SWidth, screenH = gif->SHeight;
    // Some encoders write a zero or too small screen: the image decides then.
    screenW = std::max(screenW, desc.Left + desc.Width);
    screenH = std::max(screenH, desc.Top + desc.Height);
    // LZW codes are at most 12 bits and a code stands for at most 4096 pixels. The screen
    // is held to the same bound: a few bytes that place a frame far out must not make a
    // canvas of millions of pixels to fill.
    if (!CheckDimensions(screenW, screenH, bytes.size(), 2800, error) ||
        !CheckDimensions(desc.Width, desc.Height, bytes.size(), 2800, error)) {
      return std::nullopt;
    }
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (!map || map->ColorCount <= 0) {
      error = "GIF without colour table";
      return std::nullopt;
    }
    std::vector<GifPixelType> line(static_cast<std::size_t>(desc.Width));
    Image image = MakeImage(screenW, screenH);
    auto putRow = [&](int y) {
      std::uint8_t* out = image.rgba.data() + (static_cast<std::size_t>(desc.Top + y) * screenW + desc.Left) * 4;
      for (int x = 0; x < desc.Width; ++x, out += 4) {
        const int index = line[static_cast<std::size_t>(x)];
        if (index == transparent || index >= map->ColorCount) continue;
        const GifColorType& c = map->Colors[index];
        out[0] = c.Red;
        out[1] = c.Green;
        out[2] = c.Blue;
        out[3] = 255;
      }
    };
    static constexpr int kPassStart[] = {0, 4, 2, 1};
    static constexpr int kPassStep[] = {8, 8, 4, 2};
    const int passes = desc.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass) {
      const int start = desc.Interlace ? kPassStart[pass] : 0;
      const int step = desc.Interlace ? kPassStep[pass] : 1;
      for (int y = start; y < desc.Height; y += step) {
        if (DGifGetLine(gif.get(), line.data(), desc.Width) == GIF_ERROR) {
          error = "GIF data truncated";
          return std::nullopt;
        }
        putRow(y);
      }
    }
    return image;
  }
  error = "GIF without image";
  return std::nullopt;
}

}  // namespace platform::detail
