// The glyphs of one font in one texture, and text drawn from it: single lines and text
// boxes (left, centred or right, vertically centred, clipped to the box). Text is
// Windows-1252 bytes. Each byte has a cell reserved when the atlas is built and is
// rasterised into it the first time it is drawn, never again.
#pragma once

#include "platform/device.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace platform {

class Font;

enum class TextAlign { kLeft, kCentre, kRight };

class GlyphAtlas {
 public:
  GlyphAtlas() = default;
  // Reserves a cell per byte in one texture. The font must outlive the atlas. Empty on
  // failure.
  static GlyphAtlas Build(Device& device, const Font& font);

  // Rasterises every glyph now, for a text that brings new characters while it moves.
  void RasteriseAll(Device& device);

  explicit operator bool() const { return static_cast<bool>(texture_); }
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

 private:
  struct Cell {
    int x = 0, y = 0, width = 0, height = 0;  // reserved room
    int drawWidth = 0, drawHeight = 0;        // the glyph's bitmap within it
    int offsetX = 0, offsetY = 0, advance = 0;
    bool rasterised = false;
  };
  void Rasterise(Device& device, unsigned char byte);

  const Font* font_ = nullptr;
  Texture texture_;
  std::array<Cell, 256> cells_{};
  int lineHeight_ = 0;
};

}  // namespace platform
