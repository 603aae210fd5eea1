// The layout record: where each of the fifteen objects stands, how it is drawn, in which
// order, and with which text style. Only the record: reading and loading it live in
// layout.h, its keys in layout_keys.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace render {

// Object indices; the names are the key prefixes of Layout.cfg.
enum LayoutObjectIndex : int {
  kBackGround = 0,
  kList = 1,
  kInfo = 2,
  kSnap = 3,
  kMarquee = 4,
  kCustom1 = 5,  // Custom1 ... Custom6 are 5 ... 10
  kCustom6 = 10,
  kInfo1 = 11,
  kInfo2 = 12,
  kInfo3 = 13,
  kScrollText = 14,
};
constexpr int kLayoutObjectCount = 15;
constexpr int kMaxListItems = 50;          // per-line tables hold this many lines
constexpr int kEmptyDrawSlot = 999;        // a DrawOrder slot nobody took yet
constexpr std::size_t kMediaDirectoryField = 260;  // text(260): at most 259 bytes
constexpr std::size_t kFaceNameField = 100;        // text(100): at most 99 bytes

struct LayoutObject {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int stretch = 0;   // picture fit mode: 0 natural size cropped, 1 fit keeping proportions, else stretched
  int alpha = 255;   // only the low 8 bits take effect
  bool visible = false;
  std::string mediaDirectory;  // set by the configuration's settings (Snap, Marquee, Custom1-6)
  int textureSlot = 0;         // TextureTable slot of the picture drawn; 0 = nothing
  float scrollU = 0.0f;        // current texture offset of a scrolling picture, kept in (-1, 1)
  float scrollV = 0.0f;
  float scrollSpeedX = 0.0f;   // _scrollX / _scrollY; 0 = still
  float scrollSpeedY = 0.0f;
};

struct TextStyle {
  std::uint32_t fontColour = 0;  // 0xRRGGBB (style 3 holds an alpha too)
  int fontHeight = 0;            // pixel height given to the face
  int alignment = 0;             // 0 left, 1 centred, 2 right, anything else left
  std::string faceName;          // at most 99 bytes
};

struct Layout {
  std::array<LayoutObject, kLayoutObjectCount> objects{};
  std::array<TextStyle, kLayoutObjectCount> textStyles{};
  // Slot k holds the index of the object drawn k-th (slot 0 underneath).
  std::array<int, kLayoutObjectCount> drawOrder{};
  bool listeImages = false;
  bool listeIcons = false;
  int listNbItems = 1;          // visible list lines, 1 ... 50
  int itemHeight = 0;           // List height / listNbItems
  int selectionAlphaMin = 0;
  int selectionAlphaMax = 0;
  int selectionAlpha = 0;       // current alpha of the selection bar
  int pulseDirection = 0;       // +1 rising, -1 falling, 0 no pulse
  std::uint32_t transparentColour = 0;  // Transparent_color, 0xRRGGBB colour key of template pictures
  std::string listImageDirectory;       // the Marquee media directory when ListeImages is on

  int Width() const { return objects[kBackGround].width; }    // RESOLUTIONX
  int Height() const { return objects[kBackGround].height; }  // RESOLUTIONY
};

// The key prefix of an object ("BackGround", "List", ..., "ScrollText"), from the key
// table of render/layout_keys.cpp.
std::string_view LayoutObjectName(int index);
bool IsTextObject(int index);  // List, Info, Info1-3, ScrollText

}  // namespace render
