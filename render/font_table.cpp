#include "render/font_table.h"

namespace render {

void ClearFonts(FontTable& table) { table = {}; }

platform::GlyphAtlas* FontAt(FontTable& table, int index) {
  if (index < 0 || index >= kLayoutObjectCount) return nullptr;
  FontEntry& e = table.fonts[static_cast<std::size_t>(index)];
  return (e.font && e.atlas) ? &e.atlas : nullptr;
}

}  // namespace render
