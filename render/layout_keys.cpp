#include "render/layout_keys.h"

#include <vector>

#include "platform/text.h"
#include "settings/setting_fields.h"

namespace render {

namespace {

// The key prefix of each object, in the frontend's numbering.
constexpr std::string_view kObjectNames[kLayoutObjectCount] = {
    "BackGround", "List",    "Info",    "Snap",    "Marquee", "Custom1", "Custom2",   "Custom3",
    "Custom4",    "Custom5", "Custom6", "Info1",   "Info2",   "Info3",   "ScrollText"};

using F = LayoutObjectFields;
using enum FieldType;
using enum WrittenFor;
constexpr bool kTextKey = true;
constexpr bool kAnyObject = false;

// In ObjectKey order, which is the order the editor writes them in.
// {read, written, frontend default, editor default}, type, field, text only, written for
constexpr ObjectKeyRow kObjectRows[kObjectKeyCount] = {
    {{"_left", "_Left", "", "0"}, kInt, &F::left, kAnyObject, kEveryObject},
    {{"_top", "_Top", "", "0"}, kInt, &F::top, kAnyObject, kEveryObject},
    {{"_width", "_Width", "", "0"}, kInt, &F::width, kAnyObject, kEveryObject},
    {{"_height", "_Height", "", "0"}, kInt, &F::height, kAnyObject, kEveryObject},
    {{"_visible", "_Visible", "NO", "NO"}, kFlag, &F::visible, kAnyObject, kEveryObject},
    {{"_Alpha", "_Alpha", "255", "255"}, kInt, &F::alpha, kAnyObject, kEveryObject},
    // Absent: 15 - the object's index, see FrontendDefaultOrder.
    {{"_Ordre", "_Ordre", "", ""}, kOrder, &F::order, kAnyObject, kEveryObject},
    {{"_font_color", "_Font_Color", "16777215", "16777215"}, kInt, &F::fontColour, kTextKey, kTextObjects},
    {{"_font_sizey", "_Font_Sizey", "10", "10"}, kInt, &F::fontSize, kTextKey, kTextObjects},
    {{"_Aligne", "_Aligne", "0", "0"}, kInt, &F::alignment, kTextKey, kAlignedText},
    {{"_fontname", "_Fontname", "system", "System"}, FieldType::kText, &F::fontFace, kTextKey, kTextObjects},
    // The editor fits a new picture keeping its proportions.
    {{"_Stretch", "_Stretch", "0", "1"}, kInt, &F::stretch, kAnyObject, kPictures},
    {{"_scrollX", "_ScrollX", "0", "0"}, kSpeed, &F::scrollSpeedX, kAnyObject, kScrolling},
    {{"_scrollY", "_ScrollY", "0", "0"}, kSpeed, &F::scrollSpeedY, kAnyObject, kScrolling},
};

// The readers and the writer take each field as its type says.
constexpr bool FieldsMatchTypes() {
  for (const ObjectKeyRow& row : kObjectRows) {
    const std::size_t held = row.type == kSpeed ? 1 : row.type == FieldType::kText ? 2 : 0;
    if (row.field.index() != held) return false;
  }
  return true;
}
static_assert(FieldsMatchTypes(), "an object row's type and field disagree");

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
    for (const ObjectKeyRow& row : kObjectRows)
      if (!row.textOnly || IsTextObject(object)) keys.push_back(std::string(LayoutObjectName(object)) + std::string(row.key.name));
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

std::span<const ObjectKeyRow> ObjectKeyRows() { return kObjectRows; }

const LayoutKeyRow& RowOf(ObjectKey key) { return kObjectRows[int(key)].key; }
const LayoutKeyRow& RowOf(LayoutKey key) { return kLayoutRows[int(key)]; }

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

void ReadObjectFields(const KeyValues& keys, int object, const ObjectReading& how, LayoutObjectFields& fields) {
  const bool text = IsTextObject(object);
  std::string key(LayoutObjectName(object));
  const std::size_t prefix = key.size();
  for (const ObjectKeyRow& row : ObjectKeyRows()) {
    if (row.textOnly && !text) continue;
    key.resize(prefix);
    key.append(row.key.name);
    const std::string_view raw = keys.Raw(key);
    const std::string_view value = raw.empty() ? DefaultOf(row.key, how.column) : raw;
    switch (row.type) {
      case FieldType::kInt:
        fields.*std::get<int LayoutObjectFields::*>(row.field) = platform::ParseInt(value);
        break;
      case FieldType::kFlag:
        fields.*std::get<int LayoutObjectFields::*>(row.field) = settings::IsFlagText(value) ? 1 : 0;
        break;
      case FieldType::kSpeed:
        fields.*std::get<float LayoutObjectFields::*>(row.field) = static_cast<float>(platform::ParseInt(value));
        break;
      case FieldType::kText:
        fields.*std::get<std::string LayoutObjectFields::*>(row.field) = platform::CutToField(value, how.faceField);
        break;
      case FieldType::kOrder:
        fields.*std::get<int LayoutObjectFields::*>(row.field) = raw.empty() ? how.defaultOrder : platform::ParseInt(raw);
        break;
    }
  }
}

}  // namespace render
