// The layout as the editor holds it: fifteen objects in the editor's own numbering, the
// layout-wide settings, and the copy saved at the last load or save that tells whether
// anything was changed since.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "render/layout_object_fields.h"

namespace cfg {

// The editor's numbering (the object list of the page shows them in this order). It is
// not the frontend's: object_numbering.h maps one onto the other.
enum EditorObjectIndex : int {
  kEdBackGround = 0,
  kEdSnap = 1,
  kEdList = 2,
  kEdInfo = 3,
  kEdInfo1 = 4,
  kEdInfo2 = 5,
  kEdInfo3 = 6,
  kEdScrollText = 7,
  kEdMarquee = 8,
  kEdCustom1 = 9,  // Custom1 ... Custom6 are 9 ... 14
  kEdCustom6 = 14,
};
constexpr int kEditorObjectCount = 15;
constexpr std::size_t kEditorFaceField = 260;  // a face keeps at most 259 bytes

// An object as the editor holds it: the fields of its keys, the frontend's reader's record.
using EditorObject = render::LayoutObjectFields;

struct LayoutWideSettings {
  int listeImages = 0;  // the list shows marquee images instead of names
  int listeIcons = 0;   // a text list shows an icon before each name
  int transparentColour = 0;
  int nbItems = 0;  // rows of the list, as stored; see ListRowDivisor
  int selectorMinAlpha = 0;
  int selectorMaxAlpha = 0;
  bool operator==(const LayoutWideSettings&) const = default;
};

struct EditorLayout {
  std::array<EditorObject, kEditorObjectCount> objects{};
  LayoutWideSettings settings;

  std::array<EditorObject, kEditorObjectCount> savedObjects{};
  LayoutWideSettings savedSettings;

  int Width() const { return objects[kEdBackGround].width; }
  int Height() const { return objects[kEdBackGround].height; }
};

// "Snapshot", "Liste", "Nom du jeu", ...: the names the page's object list shows, in the language in use.
std::string_view EditorListName(int index);
bool IsEditorCustomObject(int index);  // Custom1-6

// Every object back to zero: all fields 0, faces empty, no scrolling.
void ClearObjects(EditorLayout& layout);

void TakeSnapshot(EditorLayout& layout);
// Differs from the snapshot in any compared field (faces without regard to letter case).
bool IsModified(const EditorLayout& layout);

// Sorts the objects by order and renumbers them 1 ... 15. The sort swaps the object at
// each place with every later one of a smaller order, so equal orders do not always keep
// the index order: when a smaller order is swapped forward, the object it displaces lands
// behind its equals (orders 2, 2, 1 give the objects 2, 1, 0). Only all-equal orders keep
// the index order.
void NormaliseOrder(EditorLayout& layout);

// The list height is divided by the row count: any stored count gives 1 ... 50 here.
int ListRowDivisor(int nbItems);

// A scroll speed as a whole number, truncated towards zero and kept inside int.
int TruncatedSpeed(float speed);

}  // namespace cfg
