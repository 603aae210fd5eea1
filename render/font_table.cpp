#include "render/font_table.h"

#include "render/render_state.h"

platform::GlyphAtlas* FontAt(int index) {
  if (index < 0 || index >= kLayoutObjectCount) return nullptr;
  FontEntry& e = gRender.fonts.fonts[static_cast<std::size_t>(index)];
  return (e.font && e.atlas) ? &e.atlas : nullptr;
}
