#include "render/text_style_fonts.h"

#include "render/display.h"
#include "render/font_table.h"
#include "render/render_state.h"
#include "render/scroll_text.h"
#include "platform/message_box.h"
#include "platform/message_catalogue.h"

namespace render {

int CreateTextStyleFont(RenderState& rs, int index, int height, const std::string& face, int weight) {
  if (index < 0 || index >= kLayoutObjectCount) return 0;
  FontEntry& entry = rs.fonts.fonts[static_cast<std::size_t>(index)];
  entry = {};
  if (height < 6 || face.empty()) return 0;
  platform::Device* device = CurrentDevice(rs);
  if (!device) return 0;
  platform::FontRequest request{face, height, weight >= 600, false, false};
  std::unique_ptr<platform::Font> font = platform::Font::Open(request);
  if (!font) {
    request.face = "System";
    font = platform::Font::Open(request);
  }
  if (!font) {
    platform::ShowTranslatedMessageBox("%1", {face}, TrLater("Erreur CreateFont"));
    return 0;
  }
  if (index == kScrollText) {
    // Looked up through the record: the font may be replaced or closed meanwhile.
    MeasureCharWidths(rs, font->AdvanceWidths(), [&rs](char32_t cp) {
      const platform::GlyphAtlas* atlas = FontAt(rs.fonts, kScrollText);
      return atlas ? atlas->Advance(cp) : 0;
    });
  }
  entry.atlas = platform::GlyphAtlas::Build(*device, *font);
  if (!entry.atlas) {
    platform::ShowTranslatedMessageBox("%1", {face}, TrLater("Erreur CreateFont"));
    return 0;
  }
  // The scroll text brings new characters into view all the time: rasterise them now
  // rather than in the middle of its movement.
  if (index == kScrollText) entry.atlas.RasteriseAll(*device);
  entry.font = std::move(font);
  return 1;
}

}  // namespace render
