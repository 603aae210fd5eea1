// The keys of Layout.cfg, for its three users: the frontend's reader, the editor's loader
// and the editor's writer. Each key has the name the readers look for (compared without
// regard to case), the spelling the writer uses, and the default an absent key takes in
// the frontend and in the editor: the two differ on purpose in a few rows (a picture's
// _Stretch, the face name's letter case, the list's row count, the resolution). An
// object key also names the field of LayoutObjectFields it fills, so one reader
// (ReadObjectFields below) and one writer loop serve every field.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "render/layout_record.h"

#include "render/key_values.h"
#include "render/layout_object_fields.h"

namespace render {

// The keys every object but the background carries (the text keys only on text objects),
// in the order the editor writes them.
enum class ObjectKey : int {
  kLeft, kTop, kWidth, kHeight, kVisible, kAlpha, kOrder,
  kFontColour, kFontSize, kAlignment, kFontName, kStretch, kScrollX, kScrollY,
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

// How an object key's text becomes its field.
enum class FieldType {
  kInt,    // decimal, 0 without digits
  kFlag,   // 1 for "YES" or "OUI" exactly, else 0
  kSpeed,  // a whole number held as float
  kText,   // cut to the reading program's face field
  kOrder,  // decimal; absent, the reading program's rule (see FrontendDefaultOrder)
};

// The objects the editor writes a key for (the readers read every key of every object,
// the text keys of text objects only).
enum class WrittenFor {
  kEveryObject,
  kTextObjects,
  kAlignedText,  // the text objects but the scroll text, which is never aligned
  kPictures,     // the picture objects, and the list while it shows marquees
  kScrolling,    // the Custom objects, the only ones that scroll
};

using ObjectField = std::variant<int LayoutObjectFields::*, float LayoutObjectFields::*,
                                 std::string LayoutObjectFields::*>;

struct ObjectKeyRow {
  LayoutKeyRow key;
  FieldType type;
  ObjectField field;
  bool textOnly;  // carried by the text objects only
  WrittenFor writtenFor;
};

// Every object key, indexed by ObjectKey.
std::span<const ObjectKeyRow> ObjectKeyRows();

// How a program reads an object's keys: both read through the one reader below and
// differ only in these.
struct ObjectReading {
  KeyDefaults column;
  std::size_t faceField;  // a face keeps at most faceField - 1 bytes
  int defaultOrder;       // the order of an object without _Ordre
};

// Fills `fields` from the keys of object `object` (frontend numbering), one table row
// after the other; the text keys only for a text object (the others' text fields stay).
void ReadObjectFields(const KeyValues& keys, int object, const ObjectReading& how, LayoutObjectFields& fields);

const LayoutKeyRow& RowOf(ObjectKey key);
const LayoutKeyRow& RowOf(LayoutKey key);

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
