// The one moving text of the menu: the ScrollText object shows a per-configuration text
// file as a single line scrolling right to left, pixel by pixel, with inline tags that
// pause it, change its speed, colour or blink, or insert data of the selected game.
// The text is UTF-8 and moves a character at a time; widths come from the ScrollText font.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "render/layout.h"
#include "render/scroll_text_state.h"

namespace render {

struct RenderState;

// The selected game's texts that tags may insert; nullptr when the selected list
// position has no game.
struct GameTexts {
  std::string fullName;
  std::array<std::string, 3> infos;  // Infos1 ... Infos3
};

enum class ScrollTagKind { kNone = 0, kPause = 1, kSpeed = 2, kColour = 3 };
struct ScrollTag {
  ScrollTagKind kind = ScrollTagKind::kNone;
  std::int64_t value = 0;
  // The combined code value * 256 + kind (64-bit: a colour times 256 does not fit 32 bits).
  std::int64_t Code() const { return value * 256 + static_cast<int>(kind); }
};

// What the drawing needs: the text from the first shown character, the box it is laid
// in (already shifted by the scrolled-out pixels), and the ARGB colour.
struct ScrollTextDrawing {
  bool visible = false;  // false: nothing to draw
  std::string_view text;
  int left = 0, top = 0, right = 0, bottom = 0;
  std::uint32_t argb = 0;
};

// The text a ScrollTexte.txt's bytes give: up to the first NUL byte and at most 10000
// bytes, in UTF-8 (a line written in Windows-1252 is turned into it). The cabinet and the
// layout editor's preview both read it so.
std::string ScrollTextOfFile(std::string_view bytes);

// Reads <installDir>/config/<configName>/ScrollTexte.txt (at most 10000 bytes) into
// the record's scrollText.source; empties both texts first. 0 when the file cannot be opened.
int ReadScrollText(RenderState& rs, const std::string& installDir, const std::string& configName);

// Takes the advance widths of the ScrollText font (code points below 256, and a lookup
// for the others), then PrepareScrollText.
void MeasureCharWidths(RenderState& rs, const std::array<int, 256>& advanceWidths,
                       std::function<int(char32_t)> wideWidth = nullptr);

// (Re)starts the scroll from the source text, for the ScrollText object of the record's layout.
void PrepareScrollText(RenderState& rs);

// Examines the character at the right edge of the box and applies the tag found there.
ScrollTag ScrollTextTag(RenderState& rs, const GameTexts* game);

// The scroll step of the animation clock: moves the text by as many pixels as are due.
void StepScrollText(RenderState& rs, std::uint32_t now, const GameTexts* game);

// Called on every tick of the selection pulse: the blinking text follows the ramp
// (alpha 100 + g rising, 255 - g falling, g = 155 * elapsed / 1000).
void ApplyScrollTextBlink(RenderState& rs, bool rising, int elapsedMs);

// What to draw this frame; wB is the width of the character "B".
ScrollTextDrawing ScrollTextToDraw(const RenderState& rs);

// --- Pure forms of the above, on an explicit state and box (used by the globals' forms
// --- and by the layout preview).
struct ScrollBox {
  bool visible = false;
  int left = 0, top = 0, width = 0, height = 0;
  std::uint32_t fontColour = 0;
  int alpha = 255;
};
ScrollBox ScrollBoxOf(const Layout& layout);
void PrepareScrollText(ScrollText& st, const ScrollBox& box);
ScrollTag ScrollTextTag(ScrollText& st, const ScrollBox& box, const GameTexts* game);
void StepScrollText(ScrollText& st, const ScrollBox& box, std::uint32_t now, const GameTexts* game);
ScrollTextDrawing ScrollTextToDraw(const ScrollText& st, const ScrollBox& box);

}  // namespace render
