#include "platform/glyph_atlas.h"

#include "platform/font.h"

#include <algorithm>
#include <atomic>
#include <vector>

namespace platform {
namespace {
std::atomic<long> rasterised{0};
constexpr int kAtlasWidth = 1024;
constexpr int kPadding = 1;  // keeps filtered neighbours out of a glyph
}  // namespace

long GlyphAtlas::RasterisedGlyphs() { return rasterised.load(); }

GlyphAtlas GlyphAtlas::Build(Device& device, const Font& font) {
  GlyphAtlas atlas;
  atlas.lineHeight_ = font.LineHeight();
  std::array<GlyphBitmap, 256> glyphs;
  // Shelf packing: glyphs left to right, a new shelf when the row is full.
  int x = kPadding, y = kPadding, shelf = 0, width = kPadding;
  for (int b = 0; b < 256; ++b) {
    glyphs[b] = font.RenderGlyph(static_cast<unsigned char>(b));
    ++rasterised;
    GlyphBitmap& g = glyphs[b];
    Cell& c = atlas.cells_[b];
    c.advance = g.advance;
    c.offsetX = g.offsetX;
    c.offsetY = g.offsetY;
    if (g.width <= 0 || g.height <= 0 || g.alpha.size() < std::size_t(g.width) * std::size_t(g.height)) continue;
    g.width = std::min(g.width, kAtlasWidth - 2 * kPadding);
    if (x + g.width + kPadding > kAtlasWidth) {
      x = kPadding;
      y += shelf + kPadding;
      shelf = 0;
    }
    c.x = x;
    c.y = y;
    c.width = g.width;
    c.height = g.height;
    x += g.width + kPadding;
    width = std::max(width, x);
    shelf = std::max(shelf, g.height);
  }
  const int height = y + shelf + kPadding;
  std::vector<std::uint8_t> rgba(std::size_t(width) * std::size_t(height) * 4, 0);
  for (std::size_t i = 0; i < rgba.size(); i += 4) rgba[i] = rgba[i + 1] = rgba[i + 2] = 255;
  for (int b = 0; b < 256; ++b) {
    const Cell& c = atlas.cells_[b];
    const GlyphBitmap& g = glyphs[b];
    if (c.width <= 0) continue;
    const int srcWidth = static_cast<int>(g.alpha.size()) / std::max(1, c.height);
    for (int row = 0; row < c.height; ++row)
      for (int col = 0; col < c.width; ++col)
        rgba[(std::size_t(c.y + row) * std::size_t(width) + std::size_t(c.x + col)) * 4 + 3] =
            g.alpha[std::size_t(row) * std::size_t(srcWidth) + std::size_t(col)];
  }
  atlas.texture_ = device.CreateTexture(width, height, rgba, nullptr);
  return atlas;
}

int GlyphAtlas::TextWidth(std::string_view text) const {
  int w = 0;
  for (unsigned char b : text) w += cells_[b].advance;
  return w;
}

void GlyphAtlas::DrawLine(Device& device, std::string_view text, float x, float y, std::uint32_t argb,
                          float stopX) const {
  if (!texture_) return;
  const float tw = float(texture_.Width()), th = float(texture_.Height());
  float pen = x;
  for (unsigned char b : text) {
    if (pen >= stopX) break;
    const Cell& c = cells_[b];
    if (c.width > 0) {
      const FRect dst{pen + float(c.offsetX), y + float(c.offsetY), float(c.width), float(c.height)};
      const UvRect uv{float(c.x) / tw, float(c.y) / th, float(c.x + c.width) / tw, float(c.y + c.height) / th};
      device.DrawTexture(texture_, dst, uv, argb);
    }
    pen += float(c.advance);
  }
}

void GlyphAtlas::DrawBox(Device& device, const FRect& box, std::string_view text, TextAlign align,
                         std::uint32_t argb) const {
  if (!texture_ || box.w <= 0 || box.h <= 0) return;
  std::vector<std::string_view> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  device.SetClip(box);
  float y = box.y;
  if (lines.size() == 1) y = box.y + float((int(box.h) - lineHeight_) / 2);
  for (std::string_view line : lines) {
    if (y >= box.y + box.h) break;
    float x = box.x;
    if (align == TextAlign::kCentre) x = box.x + float(int(box.w - float(TextWidth(line))) / 2);
    else if (align == TextAlign::kRight) x = box.x + box.w - float(TextWidth(line));
    DrawLine(device, line, x, y, argb, box.x + box.w);
    y += float(lineHeight_);
  }
  device.SetClip(std::nullopt);
}

}  // namespace platform
