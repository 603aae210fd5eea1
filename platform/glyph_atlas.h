// The glyphs of one font in textures ("pages"), and text drawn from them: single lines and
// text boxes (left, centred or right, vertically centred, clipped to the box). Text is
// Windows-1252 bytes. Each byte has a cell reserved when the atlas is built and is
// rasterised into it the first time it is drawn, never again. Pages stay within what
// every renderer takes and are made when a glyph of theirs is first drawn, so tall fonts
// neither fail on the texture size nor take memory for glyphs never shown.
#pragma once

#include "platform/device.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

class Font;

enum class TextAlign { kLeft, kCentre, kRight };

class GlyphAtlas {
 public:
  GlyphAtlas() = default;
  // Reserves a cell per byte. The font must outlive the atlas.
  static GlyphAtlas Build(Device& device, const Font& font);

  // Rasterises every glyph now, for a text that brings new characters while it moves.
  void RasteriseAll(Device& device);

  explicit operator bool() const { return font_ != nullptr; }
  int LineHeight() const { return lineHeight_; }
  int Advance(unsigned char byte) const { return cells_[byte].advance; }
  int TextWidth(std::string_view text) const;

  // One line with its top-left pen position at (x, y); no clipping of its own, but
  // characters that start at or beyond stopX are left out (long scroll texts).
  void DrawLine(Device& device, std::string_view text, float x, float y, std::uint32_t argb,
                float stopX = 1e9f);

  // Text in a box: lines end at LF (a CR before it is dropped). A single line is centred
  // vertically; several lines run from the top. Nothing outside the box is drawn.
  void DrawBox(Device& device, const FRect& box, std::string_view text, TextAlign align, std::uint32_t argb);

  // How many glyphs were rasterised by every atlas so far (benchmarks check caching).
  static long RasterisedGlyphs();
  // The bytes of the pages made so far (tests bound the memory of tall fonts).
  std::size_t TextureBytes() const;
  // The largest page side: within the texture limit of every renderer in use.
  static constexpr int kMaxPageSide = 2048;

 private:
  struct Cell {
    int page = 0;
    int x = 0, y = 0, width = 0, height = 0;  // reserved room
    int drawWidth = 0, drawHeight = 0;        // the glyph's bitmap within it
    int offsetX = 0, offsetY = 0, advance = 0;
    bool rasterised = false;
  };
  struct Page {
    int width = 0, height = 0;
    Texture texture;  // made when first needed
  };
  void Rasterise(Device& device, unsigned char byte);

  const Font* font_ = nullptr;
  std::vector<Page> pages_;
  std::array<Cell, 256> cells_{};
  int lineHeight_ = 0;
};

}  // namespace platform
