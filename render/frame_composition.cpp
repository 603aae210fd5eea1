#include "render/frame_composition.h"

#include "render/display.h"
#include "render/font_table.h"
#include "render/frame_state.h"
#include "render/layout.h"
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

int ListLines() { return std::clamp(gRender.layout.listNbItems, 1, kMaxListItems); }

bool ListIconsShown() {
  return !gRender.sources.iconsDir.empty() && !gRender.layout.listeImages && gRender.layout.listeIcons;
}

std::optional<ShownGame> GameOnLine(int line, int count) {
  if (count <= 0) return std::nullopt;
  int p = (CurrentListPosition(gRender.sources).topIndex + line) % count;
  if (p < 0) p += count;
  return GameAt(gRender.sources, p);
}

std::optional<ShownGame> SelectedGame() { return GameOnLine(CurrentListPosition(gRender.sources).row, GameCount(gRender.sources)); }

void DrawList(float e, ObjectPart part) {
  const LayoutObject& r = gRender.layout.objects[kList];
  const int h = gRender.layout.itemHeight, n = ListLines();
  if (part != ObjectPart::kSelectionOnly) {
    const std::uint32_t colour = WithAlpha(r.alpha, 0xFFFFFF);
    DrawQuad(kSlotListBackground, float(r.left), float(r.top), float(r.width), float(r.height), colour, 1.0f, e, 2, 0,
             0);
    if (gRender.layout.listeImages)
      for (int i = 0; i < n; ++i)
        if (gRender.frame.lineSlots[i] > 3)
          DrawQuad(gRender.frame.lineSlots[i], float(r.left), float(r.top + h * i), float(r.width), float(h), colour, 1.0f,
                   e, r.stretch, 0, 0);
    DrawListNames();
    if (ListIconsShown())
      for (int i = 0; i < n; ++i)
        if (gRender.frame.lineSlots[i] > 0)
          DrawQuad(gRender.frame.lineSlots[i], float(r.left + 5), float(r.top + h * i), float(h), float(h), 0xFFFFFFFF,
                   1.0f, e, 1, 0, 0);
  }
  if (part != ObjectPart::kAllButSelection)
    DrawQuad(kSlotSelection, float(r.left), float(r.top + h * CurrentListPosition(gRender.sources).row), float(r.width), float(h),
             WithAlpha(gRender.layout.selectionAlpha, 0xFFFFFF), 1.0f, e, 2, 0, 0);
}

}  // namespace

void DrawQuad(int slot, float x, float y, float w, float h, std::uint32_t colour, float /*z*/, float e, int mode,
              float uo, float vo) {
  const TextureSlot* s = SlotAt(gRender.textures, slot);
  platform::Device* device = CurrentDevice();
  if (!s || !s->texture || !device || s->width <= 0 || s->height <= 0) return;
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

void FillRect(float x, float y, float w, float h, float /*z*/, std::uint32_t colour) {
  if (platform::Device* device = CurrentDevice()) device->FillRect({x, y, w, h}, colour);
}

void RectOutline(float x0, float y0, float x1, float y1, std::uint32_t colour) {
  platform::Device* device = CurrentDevice();
  if (!device) return;
  const platform::FPoint points[5] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}};
  device->DrawLines(points, colour);
}

void DrawTextBox(int x, int y, int w, int h, std::string_view text, int alignment, std::uint32_t colour,
                 int fontIndex) {
  platform::GlyphAtlas* font = FontAt(gRender.fonts, fontIndex);
  platform::Device* device = CurrentDevice();
  if (!font || !device) return;
  const platform::TextAlign align = alignment == 1   ? platform::TextAlign::kCentre
                                    : alignment == 2 ? platform::TextAlign::kRight
                                                     : platform::TextAlign::kLeft;
  font->DrawBox(*device, {float(x), float(y), float(w), float(h)}, text, align, colour);
}

void DrawListNames() {
  const LayoutObject& r = gRender.layout.objects[kList];
  const TextStyle& style = gRender.layout.textStyles[kList];
  const int alpha = SlotLoaded(gRender.textures, kSlotListBackground) ? 255 : r.alpha;
  const int h = gRender.layout.itemHeight;
  const int indent = ListIconsShown() ? h + 5 : 0;
  const int n = ListLines();
  const int count = GameCount(gRender.sources);
  for (int i = 0; i < n && i < count; ++i) {
    if (gRender.layout.listeImages && gRender.frame.lineSlots[i] != kSlotMissingMarquee) continue;
    DrawTextBox(r.left + indent, r.top + h * i, r.width - indent, h, GameOnLine(i, count)->fullName, style.alignment,
                WithAlpha(alpha, style.fontColour), kList);
  }
}

void DrawInfoText(int index) {
  const std::optional<ShownGame> game = SelectedGame();
  if (!game) return;
  std::string_view text = game->fullName;
  if (index >= kInfo1 && index <= kInfo3) text = game->infos[static_cast<std::size_t>(index - kInfo1)];
  const LayoutObject& o = gRender.layout.objects[index];
  const TextStyle& style = gRender.layout.textStyles[index];
  DrawTextBox(o.left, o.top, o.width, o.height, text, style.alignment, WithAlpha(o.alpha, style.fontColour), index);
}

void DrawHistoryPanel(int firstLine) {
  const int width = gRender.layout.Width() - 50, height = gRender.layout.Height() - 50;
  // A layout too small for the panel's margins shows none rather than a negative one.
  if (width < 50 || height < 50) return;
  std::string_view text = CurrentHistory(gRender.sources).text;
  for (int i = 0; i < firstLine && !text.empty(); ++i) {
    const std::size_t lf = text.find('\n');
    text = lf == std::string_view::npos ? std::string_view() : text.substr(lf + 1);
  }
  FillRect(57, 57, float(width - 50), float(height - 50), 1.0f, 0xC0393939);
  FillRect(50, 50, float(width - 50), float(height - 50), 1.0f, 0xA0000080);
  RectOutline(50, 50, float(width), float(height), 0xFFFF0000);
  RectOutline(51, 51, float(width - 1), float(height - 1), 0xFFFF0000);
  const TextStyle& style = gRender.layout.textStyles[kSnap];
  DrawTextBox(53, 55, width - 56, height - 60, text, style.alignment, style.fontColour, kSnap);
}

void DrawSearchLine(std::string_view line) {
  const LayoutObject& r = gRender.layout.objects[kList];
  const TextStyle& style = gRender.layout.textStyles[kList];
  const int h = gRender.layout.itemHeight + 10;
  // Just above the list when the layout leaves room, else over its first lines.
  const int top = r.top >= h ? r.top - h : r.top;
  FillRect(float(r.left), float(top), float(r.width), float(h), 1.0f, 0xE0000080);
  RectOutline(float(r.left), float(top), float(r.left + r.width), float(top + h), 0xFFFF0000);
  DrawTextBox(r.left + 5, top + 5, r.width - 10, h - 10, line, style.alignment, WithAlpha(255, style.fontColour),
              kList);
}

void DrawNotice(std::string_view text) {
  // In the list's font, white on red whatever the template's colours, readable from afar;
  // one row per line of the text.
  const int h = std::max(gRender.layout.itemHeight, 20) + 10;
  const int rows = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  FillRect(0, 0, float(gRender.layout.Width()), float(h * rows), 1.0f, 0xFFA00000);
  for (int row = 0; row < rows; ++row) {
    const std::size_t end = text.find('\n');
    DrawTextBox(5, 5 + row * h, gRender.layout.Width() - 10, h - 10, text.substr(0, end), 1, 0xFFFFFFFF, kList);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
}

void DrawVolumeBar() {
  const int x = gRender.layout.Width(), y = gRender.layout.Height();
  const int bw = x * 60 / 100, half = bw / 2;
  const int fill = static_cast<int>(static_cast<long long>(gRender.frame.volumeGauge.value_or(0)) * bw / 1000);
  RectOutline(float(x / 2 - half), float(y - 50), float(x / 2 + half), float(y - 20), 0xA000FF00);
  FillRect(float(x / 2 - half), float(y - 50), float(fill), 30, 1.0f, 0xA000FF00);
}

void DrawScrollTextObject() {
  platform::GlyphAtlas* font = FontAt(gRender.fonts, kScrollText);
  platform::Device* device = CurrentDevice();
  if (!font || !device) return;
  const ScrollTextDrawing d = ScrollTextToDraw();
  if (!d.visible || d.text.empty()) return;
  font->DrawBox(*device, {float(d.left), float(d.top), float(d.right - d.left), float(d.bottom - d.top)}, d.text,
                platform::TextAlign::kLeft, d.argb);
}

void DrawLayoutObject(int index, float e, ObjectPart part) {
  if (index < 0 || index >= kLayoutObjectCount) return;
  const LayoutObject& o = gRender.layout.objects[index];
  if (!o.visible) return;
  switch (index) {
    case kBackGround:
      DrawQuad(kSlotBackground, 0, 0, float(gRender.layout.Width()), float(gRender.layout.Height()), WithAlpha(o.alpha, 0xFFFFFF),
               1.0f, e, 0, 0, 0);
      break;
    case kList:
      DrawList(e, part);
      break;
    case kInfo:
    case kInfo1:
    case kInfo2:
    case kInfo3:
      DrawInfoText(index);
      break;
    case kScrollText:
      DrawScrollTextObject();
      break;
    default:  // pictures
      if (o.textureSlot != 0)
        DrawQuad(o.textureSlot, float(o.left), float(o.top), float(o.width), float(o.height),
                 WithAlpha(o.alpha, 0xFFFFFF), 1.0f, e, o.stretch, o.scrollU, o.scrollV);
      break;
  }
}

void DrawLayoutPass(float e) {
  for (int index : gRender.layout.drawOrder) DrawLayoutObject(index, e, ObjectPart::kWhole);
}

bool OverlaysShown() {
  return !CurrentHistory(gRender.sources).text.empty() || !CurrentSearchLine(gRender.sources).empty() || gRender.frame.volumeGauge.has_value() ||
         !gRender.sources.notice.empty();
}

bool BackgroundCoversLayout() {
  const LayoutObject& o = gRender.layout.objects[kBackGround];
  const auto& order = gRender.layout.drawOrder;
  if (!o.visible || (o.alpha & 0xFF) != 0xFF || std::find(order.begin(), order.end(), kBackGround) == order.end())
    return false;
  const TextureSlot* s = SlotAt(gRender.textures, kSlotBackground);
  // Drawn at its natural size from the top left: it covers the layout when at least as large.
  return s && s->texture && s->texture.Opaque() && s->width >= gRender.layout.Width() && s->height >= gRender.layout.Height();
}

void DrawOverlays() {
  const HistoryView history = CurrentHistory(gRender.sources);
  if (!history.text.empty()) DrawHistoryPanel(history.firstLine);
  if (const std::string search = CurrentSearchLine(gRender.sources); !search.empty()) DrawSearchLine(search);
  if (gRender.frame.volumeGauge) DrawVolumeBar();
  if (!gRender.sources.notice.empty()) DrawNotice(gRender.sources.notice);
}

}  // namespace render
