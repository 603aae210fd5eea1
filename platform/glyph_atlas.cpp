#include "platform/glyph_atlas.h"

#include "platform/font.h"
#include "platform/utf8.h"

#include <algorithm>
#include <atomic>
#include <vector>

namespace platform {
namespace {
std::atomic<long> rasterised{0};
constexpr int kAtlasWidth = 1024;
constexpr int kPadding = 1;  // keeps filtered neighbours out of a glyph
constexpr int kLazyPageRows = 6;  // rows of a page opened for code points met while drawing
}  // namespace

long GlyphAtlas::RasterisedGlyphs() { return rasterised.load(); }

GlyphAtlas GlyphAtlas::Build(Device& device, const Font& font) {
  GlyphAtlas atlas;
  atlas.font_ = &font;
  atlas.lineHeight_ = font.LineHeight();
  const int deviceMax = device.MaxTextureSize();
  atlas.side_ = deviceMax > 0 ? std::min(deviceMax, kMaxPageSide) : kMaxPageSide;
  const int line = std::max(1, font.LineHeight());
  // Room for a glyph: its advance plus overhang on both sides, the line height plus
  // room for accents that rise above it; never more than a page holds.
  atlas.cellHeight_ = std::min(line + line / 2 + 2, atlas.side_ - 2 * kPadding);
  int widest = 0;
  for (int b = 0; b < 256; ++b) widest = std::max(widest, font.AdvanceWidths()[static_cast<std::size_t>(b)] + line / 2 + 2);
  atlas.pageWidth_ = std::min(atlas.side_, std::max(kAtlasWidth, widest + 2 * kPadding));
  atlas.nextX_ = atlas.nextY_ = kPadding;
  atlas.pages_.push_back({atlas.pageWidth_, 0, {}, false});
  for (char32_t cp = 0; cp < 256; ++cp) {
    Cell& c = atlas.cells_[cp];
    c.advance = font.AdvanceWidths()[cp];
    if (IsDrawableCodePoint(cp) && c.advance > 0) atlas.Reserve(c, c.advance + line / 2 + 2);
  }
  return atlas;
}

void GlyphAtlas::Reserve(Cell& c, int width) {
  c.width = std::min(width, pageWidth_ - 2 * kPadding);
  c.height = cellHeight_;
  if (nextX_ + c.width + kPadding > pageWidth_) {
    nextX_ = kPadding;
    nextY_ += cellHeight_ + kPadding;
  }
  const int bottom = nextY_ + cellHeight_ + kPadding;
  const Page& last = pages_.back();
  if (last.fixed ? bottom > last.height : bottom > side_ || static_cast<bool>(last.texture)) {
    // A page made while its cells were still being reserved cannot grow: the pages
    // opened after it have their height from the start, room for a few rows.
    const bool fixed = static_cast<bool>(last.texture) || last.fixed;
    const int rows = fixed ? std::max(1, std::min(kLazyPageRows, (side_ - kPadding) / (cellHeight_ + kPadding))) : 0;
    pages_.push_back({pageWidth_, fixed ? rows * (cellHeight_ + kPadding) + kPadding : 0, {}, fixed});
    nextX_ = nextY_ = kPadding;
  }
  c.page = static_cast<int>(pages_.size()) - 1;
  c.x = nextX_;
  c.y = nextY_;
  nextX_ += c.width + kPadding;
  Page& page = pages_.back();
  if (!page.fixed) page.height = std::max(page.height, nextY_ + cellHeight_ + kPadding);
}

GlyphAtlas::Cell& GlyphAtlas::CellOf(char32_t cp) {
  if (cp < 256) return cells_[cp];
  auto [it, added] = wideCells_.try_emplace(cp);
  Cell& c = it->second;
  if (added && font_) {
    c.advance = font_->Advance(cp);
    const int line = std::max(1, lineHeight_);
    if (c.advance > 0) Reserve(c, c.advance + line / 2 + 2);
  }
  return c;
}

int GlyphAtlas::Advance(char32_t cp) const {
  if (cp < 256) return cells_[cp].advance;
  return font_ ? font_->Advance(cp) : 0;
}

std::size_t GlyphAtlas::TextureBytes() const {
  std::size_t bytes = 0;
  for (const Page& p : pages_)
    if (p.texture) bytes += std::size_t(p.width) * std::size_t(p.height) * 4;
  return bytes;
}

void GlyphAtlas::Rasterise(Device& device, Cell& c, char32_t cp) {
  c.rasterised = true;
  if (c.width <= 0 || !font_) return;
  const GlyphBitmap g = font_->RenderGlyph(cp);
  ++rasterised;
  if (g.width <= 0 || g.height <= 0 || g.alpha.size() < std::size_t(g.width) * std::size_t(g.height)) return;
  // A glyph that rises above the line keeps its top inside the cell.
  const int lift = std::max(0, -g.offsetY);
  c.offsetX = g.offsetX;
  c.offsetY = g.offsetY + std::min(lift, c.height / 3);
  const int skipTop = lift - std::min(lift, c.height / 3);
  c.drawWidth = std::min(g.width, c.width);
  c.drawHeight = std::min(g.height - skipTop, c.height);
  if (c.drawWidth <= 0 || c.drawHeight <= 0) return;
  Page& page = pages_[std::size_t(c.page)];
  if (!page.texture) {
    std::vector<std::uint8_t> blank(std::size_t(page.width) * std::size_t(page.height) * 4, 0);
    for (std::size_t i = 0; i < blank.size(); i += 4) blank[i] = blank[i + 1] = blank[i + 2] = 255;
    page.texture = device.CreateTexture(page.width, page.height, blank, nullptr);
    if (!page.texture) return;
  }
  std::vector<std::uint8_t> rgba(std::size_t(c.drawWidth) * std::size_t(c.drawHeight) * 4, 255);
  for (int row = 0; row < c.drawHeight; ++row)
    for (int col = 0; col < c.drawWidth; ++col)
      rgba[(std::size_t(row) * std::size_t(c.drawWidth) + std::size_t(col)) * 4 + 3] =
          g.alpha[std::size_t(row + skipTop) * std::size_t(g.width) + std::size_t(col)];
  device.UpdateTexture(page.texture, c.x, c.y, c.drawWidth, c.drawHeight, rgba);
}

void GlyphAtlas::RasteriseAll(Device& device) {
  if (!font_) return;
  for (char32_t cp = 0; cp < 256; ++cp)
    if (!cells_[cp].rasterised) Rasterise(device, cells_[cp], cp);
}

int GlyphAtlas::TextWidth(std::string_view text) const {
  int w = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      w += cells_[b].advance;
      ++i;
    } else {
      w += Advance(NextCodePoint(text, i));
    }
  }
  return w;
}

void GlyphAtlas::Draw(Device& device, Cell& c, char32_t cp, float pen, float y, std::uint32_t argb) {
  if (!c.rasterised) Rasterise(device, c, cp);
  const Texture& texture = pages_[std::size_t(c.page)].texture;
  if (c.drawWidth <= 0 || !texture) return;
  const float tw = float(texture.Width()), th = float(texture.Height());
  const FRect dst{pen + float(c.offsetX), y + float(c.offsetY), float(c.drawWidth), float(c.drawHeight)};
  const UvRect uv{float(c.x) / tw, float(c.y) / th, float(c.x + c.drawWidth) / tw, float(c.y + c.drawHeight) / th};
  device.DrawTexture(texture, dst, uv, argb);
}

void GlyphAtlas::DrawLine(Device& device, std::string_view text, float x, float y, std::uint32_t argb,
                          float stopX) {
  if (!font_) return;
  float pen = x;
  for (std::size_t i = 0; i < text.size() && pen < stopX;) {
    const auto b = static_cast<unsigned char>(text[i]);
    // ASCII, most of any text, straight from the flat table.
    const char32_t cp = b < 0x80 ? (++i, char32_t(b)) : NextCodePoint(text, i);
    Cell& c = cp < 256 ? cells_[cp] : CellOf(cp);
    Draw(device, c, cp, pen, y, argb);
    pen += float(c.advance);
  }
}

void GlyphAtlas::DrawBox(Device& device, const FRect& box, std::string_view text, TextAlign align,
                         std::uint32_t argb) {
  if (!font_ || box.w <= 0 || box.h <= 0) return;
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
