#include "render/frame_composition.h"

#include "render/display.h"
#include "render/font_table.h"
#include "render/frame_state.h"
#include "render/layout.h"
#include "render/picture_loading.h"
#include "render/render_sources.h"
#include "render/render_state.h"
#include "render/scroll_text.h"
#include "render/texture_table.h"

#include <algorithm>
#include <optional>

namespace render {

namespace {

std::uint32_t WithAlpha(int alpha, std::uint32_t colour) {
  return (static_cast<std::uint32_t>(alpha & 0xFF) << 24) + colour;
}

int ListLines(RenderState& rs) { return std::clamp(rs.layout.listNbItems, 1, kMaxListItems); }

bool ListIconsShown(RenderState& rs) {
  return !rs.sources.iconsDir.empty() && !rs.layout.listeImages && rs.layout.listeIcons;
}

std::optional<ShownGame> GameOnLine(RenderState& rs, int line, int count) {
  if (count <= 0) return std::nullopt;
  int p = (CurrentListPosition(rs.sources).topIndex + line) % count;
  if (p < 0) p += count;
  return GameAt(rs.sources, p);
}

std::optional<ShownGame> SelectedGame(RenderState& rs) { return GameOnLine(rs, CurrentListPosition(rs.sources).row, GameCount(rs.sources)); }

void DrawList(RenderState& rs, float e, ObjectPart part) {
  const LayoutObject& r = rs.layout.objects[kList];
  const int h = rs.layout.itemHeight, n = ListLines(rs);
  if (part != ObjectPart::kSelectionOnly) {
    const std::uint32_t colour = WithAlpha(r.alpha, 0xFFFFFF);
    DrawQuad(rs, kSlotListBackground, float(r.left), float(r.top), float(r.width), float(r.height), colour, 1.0f, e, 2, 0,
             0);
    if (rs.layout.listeImages)
      for (int i = 0; i < n; ++i)
        if (rs.frame.lineSlots[i] > 3)
          DrawQuad(rs, rs.frame.lineSlots[i], float(r.left), float(r.top + h * i), float(r.width), float(h), colour, 1.0f,
                   e, r.stretch, 0, 0);
    DrawListNames(rs);
    if (ListIconsShown(rs))
      for (int i = 0; i < n; ++i)
        if (rs.frame.lineSlots[i] > 0)
          DrawQuad(rs, rs.frame.lineSlots[i], float(r.left + 5), float(r.top + h * i), float(h), float(h), 0xFFFFFFFF,
                   1.0f, e, 1, 0, 0);
  }
  if (part != ObjectPart::kAllButSelection)
    DrawQuad(rs, kSlotSelection, float(r.left), float(r.top + h * CurrentListPosition(rs.sources).row), float(r.width), float(h),
             WithAlpha(rs.layout.selectionAlpha, 0xFFFFFF), 1.0f, e, 2, 0, 0);
}

}  // namespace

void DrawQuad(RenderState& rs, int slot, float x, float y, float w, float h, std::uint32_t colour, float /*z*/, float e, int mode,
              float uo, float vo) {
  platform::Device* device = CurrentDevice(rs);
  if (!device || !PictureForDrawing(rs, slot)) return;
  const TextureSlot* s = SlotAt(rs.textures, slot);
  if (s->width <= 0 || s->height <= 0) return;
  const float iw = float(s->width), ih = float(s->height);
  float umax = 1, vmax = 1;
  if (mode == 0) {
    if (w > iw) w = iw;
    else if (w < iw) umax = w / iw;
    if (h > ih) h = ih;
    else if (h < ih) vmax = h / ih;
  } else if (mode == 1) {
    const float scale = std::min(w / iw, h / ih);
    x += (w - iw * scale) / 2;
    y += (h - ih * scale) / 2;
    w = iw * scale;
    h = ih * scale;
  }
  // Pixel centres sit on whole coordinates for the quad corners (x - e ... x + w - 1 + e):
  // e = 0.5 covers exactly the w pixels, e = 1 one pixel more on each side.
  const float m = 2 * e - 1;
  device->DrawTexture(s->texture, {x - m, y - m, w + 2 * m, h + 2 * m}, {uo, vo, uo + umax, vo + vmax}, colour);
}

void FillRect(RenderState& rs, float x, float y, float w, float h, float /*z*/, std::uint32_t colour) {
  if (platform::Device* device = CurrentDevice(rs)) device->FillRect({x, y, w, h}, colour);
}

void RectOutline(RenderState& rs, float x0, float y0, float x1, float y1, std::uint32_t colour) {
  platform::Device* device = CurrentDevice(rs);
  if (!device) return;
  const platform::FPoint points[5] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}};
  device->DrawLines(points, colour);
}

void DrawTextBox(RenderState& rs, int x, int y, int w, int h, std::string_view text, int alignment, std::uint32_t colour,
                 int fontIndex) {
  platform::GlyphAtlas* font = FontAt(rs.fonts, fontIndex);
  platform::Device* device = CurrentDevice(rs);
  if (!font || !device) return;
  const platform::TextAlign align = alignment == 1   ? platform::TextAlign::kCentre
                                    : alignment == 2 ? platform::TextAlign::kRight
                                                     : platform::TextAlign::kLeft;
  font->DrawBox(*device, {float(x), float(y), float(w), float(h)}, text, align, colour);
}

void DrawListNames(RenderState& rs) {
  const LayoutObject& r = rs.layout.objects[kList];
  const TextStyle& style = rs.layout.textStyles[kList];
  const int alpha = SlotLoaded(rs.textures, kSlotListBackground) ? 255 : r.alpha;
  const int h = rs.layout.itemHeight;
  const int indent = ListIconsShown(rs) ? h + 5 : 0;
  const int n = ListLines(rs);
  const int count = GameCount(rs.sources);
  for (int i = 0; i < n && i < count; ++i) {
    if (rs.layout.listeImages && rs.frame.lineSlots[i] != kSlotMissingMarquee) continue;
    DrawTextBox(rs, r.left + indent, r.top + h * i, r.width - indent, h, GameOnLine(rs, i, count)->fullName, style.alignment,
                WithAlpha(alpha, style.fontColour), kList);
  }
}

void DrawInfoText(RenderState& rs, int index) {
  const std::optional<ShownGame> game = SelectedGame(rs);
  if (!game) return;
  std::string_view text = game->fullName;
  if (index >= kInfo1 && index <= kInfo3) text = game->infos[static_cast<std::size_t>(index - kInfo1)];
  const LayoutObject& o = rs.layout.objects[index];
  const TextStyle& style = rs.layout.textStyles[index];
  DrawTextBox(rs, o.left, o.top, o.width, o.height, text, style.alignment, WithAlpha(o.alpha, style.fontColour), index);
}

void DrawHistoryPanel(RenderState& rs, int firstLine) {
  const int width = rs.layout.Width() - 50, height = rs.layout.Height() - 50;
  // A layout too small for the panel's margins shows none rather than a negative one.
  if (width < 50 || height < 50) return;
  std::string_view text = CurrentHistory(rs.sources).text;
  for (int i = 0; i < firstLine && !text.empty(); ++i) {
    const std::size_t lf = text.find('\n');
    text = lf == std::string_view::npos ? std::string_view() : text.substr(lf + 1);
  }
  FillRect(rs, 57, 57, float(width - 50), float(height - 50), 1.0f, 0xC0393939);
  FillRect(rs, 50, 50, float(width - 50), float(height - 50), 1.0f, 0xA0000080);
  RectOutline(rs, 50, 50, float(width), float(height), 0xFFFF0000);
  RectOutline(rs, 51, 51, float(width - 1), float(height - 1), 0xFFFF0000);
  const TextStyle& style = rs.layout.textStyles[kSnap];
  DrawTextBox(rs, 53, 55, width - 56, height - 60, text, style.alignment, style.fontColour, kSnap);
}

void DrawSearchLine(RenderState& rs, std::string_view line) {
  const LayoutObject& r = rs.layout.objects[kList];
  const TextStyle& style = rs.layout.textStyles[kList];
  const int h = rs.layout.itemHeight + 10;
  // Just above the list when the layout leaves room, else over its first lines.
  const int top = r.top >= h ? r.top - h : r.top;
  FillRect(rs, float(r.left), float(top), float(r.width), float(h), 1.0f, 0xE0000080);
  RectOutline(rs, float(r.left), float(top), float(r.left + r.width), float(top + h), 0xFFFF0000);
  DrawTextBox(rs, r.left + 5, top + 5, r.width - 10, h - 10, line, style.alignment, WithAlpha(255, style.fontColour),
              kList);
}

void DrawNotice(RenderState& rs, std::string_view text) {
  // In the list's font, white on red whatever the template's colours, readable from afar;
  // one row per line of the text.
  const int h = std::max(rs.layout.itemHeight, 20) + 10;
  const int rows = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  FillRect(rs, 0, 0, float(rs.layout.Width()), float(h * rows), 1.0f, 0xFFA00000);
  for (int row = 0; row < rows; ++row) {
    const std::size_t end = text.find('\n');
    DrawTextBox(rs, 5, 5 + row * h, rs.layout.Width() - 10, h - 10, text.substr(0, end), 1, 0xFFFFFFFF, kList);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
}

void DrawVolumeBar(RenderState& rs) {
  const int x = rs.layout.Width(), y = rs.layout.Height();
  const int bw = x * 60 / 100, half = bw / 2;
  const int fill = static_cast<int>(static_cast<long long>(rs.frame.volumeGauge.value_or(0)) * bw / 1000);
  RectOutline(rs, float(x / 2 - half), float(y - 50), float(x / 2 + half), float(y - 20), 0xA000FF00);
  FillRect(rs, float(x / 2 - half), float(y - 50), float(fill), 30, 1.0f, 0xA000FF00);
}

void DrawScrollTextObject(RenderState& rs) {
  platform::GlyphAtlas* font = FontAt(rs.fonts, kScrollText);
  platform::Device* device = CurrentDevice(rs);
  if (!font || !device) return;
  const ScrollTextDrawing d = ScrollTextToDraw(rs);
  if (!d.visible || d.text.empty()) return;
  font->DrawBox(*device, {float(d.left), float(d.top), float(d.right - d.left), float(d.bottom - d.top)}, d.text,
                platform::TextAlign::kLeft, d.argb);
}

void DrawLayoutObject(RenderState& rs, int index, float e, ObjectPart part) {
  if (index < 0 || index >= kLayoutObjectCount) return;
  const LayoutObject& o = rs.layout.objects[index];
  if (!o.visible) return;
  switch (index) {
    case kBackGround:
      DrawQuad(rs, kSlotBackground, 0, 0, float(rs.layout.Width()), float(rs.layout.Height()), WithAlpha(o.alpha, 0xFFFFFF),
               1.0f, e, 0, 0, 0);
      break;
    case kList:
      DrawList(rs, e, part);
      break;
    case kInfo:
    case kInfo1:
    case kInfo2:
    case kInfo3:
      DrawInfoText(rs, index);
      break;
    case kScrollText:
      DrawScrollTextObject(rs);
      break;
    default:  // pictures
      if (o.textureSlot != 0)
        DrawQuad(rs, o.textureSlot, float(o.left), float(o.top), float(o.width), float(o.height),
                 WithAlpha(o.alpha, 0xFFFFFF), 1.0f, e, o.stretch, o.scrollU, o.scrollV);
      break;
  }
}

void DrawLayoutPass(RenderState& rs, float e) {
  for (int index : rs.layout.drawOrder) DrawLayoutObject(rs, index, e, ObjectPart::kWhole);
}

bool OverlaysShown(RenderState& rs) {
  return !CurrentHistory(rs.sources).text.empty() || !CurrentSearchLine(rs.sources).empty() || rs.frame.volumeGauge.has_value() ||
         !rs.sources.notice.empty();
}

bool BackgroundCoversLayout(RenderState& rs) {
  const LayoutObject& o = rs.layout.objects[kBackGround];
  const auto& order = rs.layout.drawOrder;
  if (!o.visible || (o.alpha & 0xFF) != 0xFF || std::find(order.begin(), order.end(), kBackGround) == order.end())
    return false;
  const TextureSlot* s = SlotAt(rs.textures, kSlotBackground);
  // Drawn at its natural size from the top left: it covers the layout when at least as large.
  return s && s->texture && s->texture.Opaque() && s->width >= rs.layout.Width() && s->height >= rs.layout.Height();
}

void DrawOverlays(RenderState& rs) {
  const HistoryView history = CurrentHistory(rs.sources);
  if (!history.text.empty()) DrawHistoryPanel(rs, history.firstLine);
  if (const std::string search = CurrentSearchLine(rs.sources); !search.empty()) DrawSearchLine(rs, search);
  if (rs.frame.volumeGauge) DrawVolumeBar(rs);
  if (!rs.sources.notice.empty()) DrawNotice(rs, rs.sources.notice);
}

}  // namespace render
