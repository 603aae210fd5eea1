// One font per layout object (index = object index), each with its glyph atlas.
#pragma once

#include "render/layout_record.h"
#include "platform/font.h"
#include "platform/glyph_atlas.h"

#include <array>
#include <memory>

namespace render {

struct FontEntry {
  std::unique_ptr<platform::Font> font;
  platform::GlyphAtlas atlas;
};

struct FontTable {
  std::array<FontEntry, kLayoutObjectCount> fonts{};
};

// Closes every font.
void ClearFonts(FontTable& table);

// The atlas of a font index, or nullptr when that index has no font.
platform::GlyphAtlas* FontAt(FontTable& table, int index);

}  // namespace render
