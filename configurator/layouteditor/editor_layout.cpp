#include "configurator/layouteditor/editor_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "platform/message_catalogue.h"
#include "platform/text.h"

namespace cfg {
namespace {

constexpr int kMaxListRows = 50;

bool SameSavedFields(const EditorObject& a, const EditorObject& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height && a.stretch == b.stretch &&
         a.alpha == b.alpha && a.visible == b.visible && a.fontSize == b.fontSize && a.fontColour == b.fontColour &&
         a.alignment == b.alignment && a.order == b.order && a.scrollSpeedX == b.scrollSpeedX &&
         a.scrollSpeedY == b.scrollSpeedY && platform::EqualsNoCase(a.fontFace, b.fontFace);
}

}  // namespace

std::string_view EditorListName(int index) {
  // Asked anew each time: the names follow the language in use.
  const char* const names[kEditorObjectCount] = {"Layout",      "Snapshot",    Tr("Liste"),   Tr("Nom du jeu"),
                                                 Tr("Infos 1"), Tr("Infos 2"), Tr("Infos 3"), Tr("Texte défilant"),
                                                 "Marquee",     "Custom 1",    "Custom 2",    "Custom 3",
                                                 "Custom 4",    "Custom 5",    "Custom 6"};
  return index >= 0 && index < kEditorObjectCount ? names[index] : std::string_view();
}

bool IsEditorCustomObject(int index) { return index >= kEdCustom1 && index <= kEdCustom6; }

void ClearObjects(EditorLayout& layout) { layout.objects.fill(EditorObject{}); }

void TakeSnapshot(EditorLayout& layout) {
  layout.savedObjects = layout.objects;
  layout.savedSettings = layout.settings;
}

bool IsModified(const EditorLayout& layout) {
  if (layout.settings != layout.savedSettings) return true;
  for (int i = 0; i < kEditorObjectCount; ++i) {
    if (!SameSavedFields(layout.objects[i], layout.savedObjects[i])) return true;
  }
  return false;
}

void NormaliseOrder(EditorLayout& layout) {
  std::array<std::pair<int, int>, kEditorObjectCount> pairs;  // (order, index)
  for (int i = 0; i < kEditorObjectCount; ++i) pairs[i] = {layout.objects[i].order, i};
  // An exchange sort: its handling of equal orders is part of what the user sees.
  for (int i = 0; i < kEditorObjectCount; ++i) {
    for (int j = i; j < kEditorObjectCount; ++j) {
      if (pairs[j].first < pairs[i].first) std::swap(pairs[i], pairs[j]);
    }
  }
  for (int p = 0; p < kEditorObjectCount; ++p) layout.objects[pairs[p].second].order = p + 1;
}

int ListRowDivisor(int nbItems) { return std::clamp(nbItems, 1, kMaxListRows); }

int TruncatedSpeed(float speed) {
  if (std::isnan(speed)) return 0;
  // Beyond these bounds the conversion to int is undefined; files can hold such values.
  constexpr float kMax = 2147483520.0f;  // the largest float below 2^31
  return static_cast<int>(std::clamp(speed, -kMax, kMax));
}

}  // namespace cfg
