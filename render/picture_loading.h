// Pictures loaded into the texture table: single files with an optional colour key,
// icons, the template's fixed pictures and fonts, and the selected game's media.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "render/media_files.h"
#include "render/render_sources.h"

namespace render {

struct RenderState;

// Colour key that turns keying off (0x1000000 + 0xFF000000 wraps to 0).
constexpr std::uint32_t kNoColourKey = 0x1000000;

// Loads a picture file into a slot; pixels of exactly the key's RGB become transparent.
// 0 silently when the file does not exist; an undecodable file is reported with its path.
int LoadTexture(RenderState& rs, int slot, std::uint32_t colourKey, const std::string& path);
// The first image of an .ico file (colour and mask) into a slot.
int LoadIconTexture(RenderState& rs, int slot, std::uint32_t colourKey, const std::string& path);

// A slot about to be drawn: from now on the most recently used, and loaded again from
// its file when the picture budget let it go. False when it holds nothing to draw.
bool PictureForDrawing(RenderState& rs, int slot);

// Template pictures into their slots, then the fonts of all 15 text styles; sets
// DeviceReady. Always 1.
int LoadTemplateImages(RenderState& rs, const std::string& installDir, const std::string& templateName);

// The selected game's snapshot, marquee and Custom pictures, and the visible lines'
// images or icons. Always 1.
int LoadSelectionMedia(RenderState& rs);

}  // namespace render
