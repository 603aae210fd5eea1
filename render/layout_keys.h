// The keys of Layout.cfg, for its three users: the frontend's reader, the editor's loader
// and the editor's writer. Each key has the name the readers look for (compared without
// regard to case), the spelling the writer uses, and the default an absent key takes in
// the frontend and in the editor: the two differ on purpose in a few rows (a picture's
// _Stretch, the face name's letter case, the list's row count, the resolution).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "render/layout_record.h"

namespace render {

// The keys every object but the background carries (the text keys only on text objects).
enum class ObjectKey : int {
  kScrollX, kScrollY, kLeft, kTop, kWidth, kHeight, kVisible, kAlpha, kStretch, kOrder,
  kFontColour, kFontSize, kAlignment, kFontName,
};
constexpr int kObjectKeyCount = 14;

// The layout-wide keys, the background's own among them.
enum class LayoutKey : int {
  kResolutionX, kResolutionY, kBackgroundVisible, kBackgroundAlpha, kBackgroundResize, kBackgroundOrder,
  kListeImages, kListeIcons, kTransparentColour, kListNbItems, kSelectionAlpha, kSelectionAlphaMax,
};
constexpr int kLayoutKeyCount = 12;

struct LayoutKeyRow {
  std::string_view name;     // an object key's suffix ("_left") or a whole layout-wide key
  std::string_view written;  // as the editor writes it; empty: never written
  // An absent or empty key reads as this text. Empty: a rule of the caller's (an order,
  // the editor's resolution, the pulse's maximum) or 0.
  std::string_view frontendDefault;
  std::string_view editorDefault;
};

// Which default an absent key takes: the frontend's (any file, read as the cabinet reads
// it) or the editor's (a layout started without a file).
enum class KeyDefaults { kFrontend, kEditor };
inline std::string_view DefaultOf(const LayoutKeyRow& row, KeyDefaults column) {
  return column == KeyDefaults::kFrontend ? row.frontendDefault : row.editorDefault;
}

const LayoutKeyRow& RowOf(ObjectKey key);
const LayoutKeyRow& RowOf(LayoutKey key);

// "<object prefix><suffix>" as read, and as written (frontend numbering).
std::string KeyName(int object, ObjectKey key);
std::string WrittenKeyName(int object, ObjectKey key);

// The order an object without an _Ordre key takes: 15 - its index, counted in the
// frontend's numbering by the frontend and in the page's object list by the editor.
int FrontendDefaultOrder(int object);

// Every key the frontend reads from the file, so that one pass over it finds them all.
const std::vector<std::string>& AllFrontendKeys();

// The draw order of objects with these orders (indexed by object): in index order each
// object takes slot order - 1 while that slot is free; every slot left over takes the
// smallest index not placed yet. Slot 0 is drawn first, underneath.
std::array<int, kLayoutObjectCount> DrawOrderOf(const std::array<int, kLayoutObjectCount>& orders);

}  // namespace render
