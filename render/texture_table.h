// The picture slots every drawing refers to by number.
#pragma once

#include "platform/device.h"

#include <array>
#include <cstdint>
#include <string>

namespace render {

// Fixed slots; 14 + i holds the image or icon of visible list line i.
enum TextureSlotIndex : int {
  kSlotBackground = 0,
  kSlotSelection = 1,
  kSlotSlide = 2,
  kSlotSnap = 3,
  kSlotMissingSnap = 4,
  kSlotMissingMarquee = 5,
  kSlotCustomTemplate1 = 6,  // Custom1.png ... Custom6.png: 6 ... 11
  kSlotListBackground = 12,
  kSlotLayout = 13,          // the LayoutTexture
  kSlotFirstLine = 14,       // list lines 0 ... 49: 14 ... 63
  kSlotMarqueeMedia = 64,    // the selected game's marquee
  kSlotCustomMedia1 = 65,    // the selected game's Custom1 ... Custom6: 65 ... 70
  kSlotVideoSnap = 71,       // the frame of the selected game's clip, in the Snap object
};
// 64 slots of the fixed roles plus one per-game slot each for Marquee and Custom1-6, and
// the clip's frame.
constexpr int kTextureSlotCount = 72;

struct TextureSlot {
  platform::Texture texture;  // may hold fewer pixels than the picture: it is drawn no larger
  int width = 0;   // size of the source picture (for slot 13, of the texture)
  int height = 0;
  std::string source;  // file and colour key it was loaded from (to reuse it)
  std::uint32_t key = 0;
  std::uint64_t lastUse = 0;  // the table's use clock when last loaded or drawn
  bool fromPicture = false;   // decoded from a picture file (not a clip's frame): can be read again
  bool released = false;      // let go by the picture budget: loaded again when drawn
};

struct TextureTable {
  std::array<TextureSlot, kTextureSlotCount> entries{};
  std::uint64_t useClock = 0;   // counts loads and draws: orders the slots by last use
  bool budgetReported = false;  // the log said once that the picture budget released some
};

// The slot, or nullptr when the number is outside the table.
TextureSlot* SlotAt(TextureTable& table, int slot);
const TextureSlot* SlotAt(const TextureTable& table, int slot);
// Empties every slot (the budget's report stays made); every slot but `kept`; one slot.
void ClearTextures(TextureTable& table);
void ReleaseSlotsBut(TextureTable& table, int kept);
void ReleaseSlot(TextureTable& table, int slot);
// True when the slot holds a texture.
bool SlotLoaded(const TextureTable& table, int slot);

}  // namespace render
