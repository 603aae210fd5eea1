#include "render/font_table.h"

FontTable gFontTable;

platform::GlyphAtlas* FontAt(int index) {
  if (index < 0 || index >= kLayoutObjectCount) return nullptr;
  FontEntry& e = gFontTable.fonts[static_cast<std::size_t>(index)];
  return (e.font && e.atlas) ? &e.atlas : nullptr;
}
