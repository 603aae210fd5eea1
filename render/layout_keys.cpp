#include "render/layout_keys.h"

#include <vector>

namespace render {

namespace {

// The key prefix of each object, in the frontend's numbering.
constexpr std::string_view kObjectNames[kLayoutObjectCount] = {
    "BackGround", "List",    "Info",    "Snap",    "Marquee", "Custom1", "Custom2",   "Custom3",
    "Custom4",    "Custom5", "Custom6", "Info1",   "Info2",   "Info3",   "ScrollText"};


//                                    read           written        frontend    editor
constexpr LayoutKeyRow kObjectRows[kObjectKeyCount] = {
    {"_scrollX", "_ScrollX", "0", "0"},
    {"_scrollY", "_ScrollY", "0", "0"},
    {"_left", "_Left", "", "0"},
    {"_top", "_Top", "", "0"},
    {"_width", "_Width", "", "0"},
    {"_height", "_Height", "", "0"},
    {"_visible", "_Visible", "NO", "NO"},
    {"_Alpha", "_Alpha", "255", "255"},
    {"_Stretch", "_Stretch", "0", "1"},  // the editor fits a picture keeping its proportions
    {"_Ordre", "_Ordre", "", ""},        // 15 - the object's index, see FrontendDefaultOrder
    {"_font_color", "_Font_Color", "16777215", "16777215"},
    {"_font_sizey", "_Font_Sizey", "10", "10"},
    {"_Aligne", "_Aligne", "0", "0"},
    {"_fontname", "_Fontname", "system", "System"},
};

constexpr LayoutKeyRow kLayoutRows[kLayoutKeyCount] = {
    {"RESOLUTIONX", "ResolutionX", "800", ""},  // the editor's depends on the desktop
    {"RESOLUTIONY", "ResolutionY", "600", ""},
    {"BackGround_visible", "BackGround_visible", "NO", "NO"},
    {"BackGround_Alpha", "BackGround_Alpha", "255", "255"},
    {"BackGround_Resize", "", "0", "0"},
    {"BackGround_Ordre", "BackGround_Ordre", "15", "15"},
    {"ListeImages", "ListeImages", "NO", "NO"},
    {"ListeIcons", "ListeIcons", "NO", "NO"},
    {"Transparent_color", "Transparent_Color", "", "0"},
    {"List_NbItems", "List_NbItems", "", "10"},
    {"List_selection_alpha", "List_Selection_Alpha", "", ""},
    {"List_selection_alphaMax", "List_Selection_AlphaMax", "", ""},  // absent: the minimum
};

std::vector<std::string> FrontendKeys() {
  std::vector<std::string> keys;
  for (const LayoutKeyRow& row : kLayoutRows) keys.emplace_back(row.name);
  for (int object = kList; object < kLayoutObjectCount; ++object) {
    const int count = IsTextObject(object) ? kObjectKeyCount : int(ObjectKey::kFontColour);
    for (int k = 0; k < count; ++k) keys.push_back(KeyName(object, ObjectKey(k)));
  }
  return keys;
}

}  // namespace

std::string_view LayoutObjectName(int index) {
  return index >= 0 && index < kLayoutObjectCount ? kObjectNames[index] : std::string_view();
}

bool IsTextObject(int index) {
  return index == kList || index == kInfo || index == kInfo1 || index == kInfo2 || index == kInfo3 ||
         index == kScrollText;
}


const LayoutKeyRow& RowOf(ObjectKey key) { return kObjectRows[int(key)]; }
const LayoutKeyRow& RowOf(LayoutKey key) { return kLayoutRows[int(key)]; }

std::string KeyName(int object, ObjectKey key) {
  return std::string(LayoutObjectName(object)) + std::string(RowOf(key).name);
}

std::string WrittenKeyName(int object, ObjectKey key) {
  return std::string(LayoutObjectName(object)) + std::string(RowOf(key).written);
}

int FrontendDefaultOrder(int object) { return kLayoutObjectCount - object; }

const std::vector<std::string>& AllFrontendKeys() {
  static const std::vector<std::string> keys = FrontendKeys();
  return keys;
}

std::array<int, kLayoutObjectCount> DrawOrderOf(const std::array<int, kLayoutObjectCount>& orders) {
  std::array<int, kLayoutObjectCount> slots;
  slots.fill(kEmptyDrawSlot);
  std::array<bool, kLayoutObjectCount> placed{};
  for (int object = 0; object < kLayoutObjectCount; ++object) {
    const int order = orders[std::size_t(object)];
    if (order >= 1 && order <= kLayoutObjectCount && slots[std::size_t(order - 1)] == kEmptyDrawSlot) {
      slots[std::size_t(order - 1)] = object;
      placed[std::size_t(object)] = true;
    }
  }
  int next = 0;
  for (int& slot : slots) {
    if (slot != kEmptyDrawSlot) continue;
    while (placed[std::size_t(next)]) ++next;
    slot = next;
    placed[std::size_t(next)] = true;
  }
  return slots;
}

}  // namespace render
