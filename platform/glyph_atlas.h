// The glyphs of one font in textures ("pages"), and text drawn from them: single lines and
// text boxes (left, centred or right, vertically centred, clipped to the box). Text is
// UTF-8 (a stray Windows-1252 byte still draws as its character). The code points
// U+0000-U+00FF have their cells reserved when the atlas is built, any other the first
// time it is met; a glyph is rasterised into its cell the first time it is drawn, never
// again. Pages stay within what every renderer takes and are made when a glyph of theirs
// is first drawn, so tall fonts neither fail on the texture size nor take memory for
// glyphs never shown.
#pragma once

#include "platform/device.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

class Font;

enum class TextAlign { kLeft, kCentre, kRight };

class GlyphAtlas {
 public:
  GlyphAtlas() = default;
  // Reserves a cell per code point below 256. The font must outlive the atlas.
  static GlyphAtlas Build(Device& device, const Font& font);

  // Rasterises the glyphs below 256 now, for a text that brings new characters while it
  // moves.
  void RasteriseAll(Device& device);

  explicit operator bool() const { return font_ != nullptr; }
  int LineHeight() const { return lineHeight_; }
  int Advance(char32_t cp) const;
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
    bool fixed = false;  // opened after a page was made: its height is set, not grown
  };
  Cell& CellOf(char32_t cp);
  // Finds room for a cell of `width` after those reserved so far, opening a page when
  // the last one is full or already made.
  void Reserve(Cell& c, int width);
  void Rasterise(Device& device, Cell& c, char32_t cp);
  void Draw(Device& device, Cell& c, char32_t cp, float pen, float y, std::uint32_t argb);

  const Font* font_ = nullptr;
  std::vector<Page> pages_;
  std::array<Cell, 256> cells_{};
  std::unordered_map<char32_t, Cell> wideCells_;
  int lineHeight_ = 0;
  int cellHeight_ = 0;
  int pageWidth_ = 0;
  int side_ = 0;
  int nextX_ = 0, nextY_ = 0;  // where the next cell goes in the last page
};

}  // namespace platform
