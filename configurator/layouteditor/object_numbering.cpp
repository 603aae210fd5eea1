#include "configurator/layouteditor/object_numbering.h"

#include <array>

#include "configurator/layouteditor/editor_layout.h"
#include "render/layout.h"
#include "render/layout_keys.h"

using render::DrawOrderOf;
using render::IsTextObject;
using render::LayoutObjectName;
using render::kBackGround;
using render::kCustom1;
using render::kCustom6;
using render::kInfo;
using render::kInfo1;
using render::kInfo2;
using render::kInfo3;
using render::kLayoutObjectCount;
using render::kList;
using render::kMarquee;
using render::kScrollText;
using render::kSnap;

namespace cfg {
namespace {

constexpr std::array<int, kEditorObjectCount> kFrontendOfEditor = {
    kBackGround, kSnap,    kList,        kInfo,        kInfo1,       kInfo2,       kInfo3,  kScrollText,
    kMarquee,    kCustom1, kCustom1 + 1, kCustom1 + 2, kCustom1 + 3, kCustom1 + 4, kCustom6};

constexpr std::array<int, kLayoutObjectCount> EditorOfFrontend() {
  std::array<int, kLayoutObjectCount> back{};
  for (int e = 0; e < kEditorObjectCount; ++e) back[kFrontendOfEditor[e]] = e;
  return back;
}
constexpr std::array<int, kLayoutObjectCount> kEditorOfFrontend = EditorOfFrontend();

static_assert(kEditorObjectCount == kLayoutObjectCount);

}  // namespace

int FrontendIndexOf(int editorIndex) {
  return editorIndex >= 0 && editorIndex < kEditorObjectCount ? kFrontendOfEditor[editorIndex] : -1;
}

int EditorIndexOf(int frontendIndex) {
  return frontendIndex >= 0 && frontendIndex < kLayoutObjectCount ? kEditorOfFrontend[frontendIndex] : -1;
}

std::string_view EditorKeyPrefix(int editorIndex) { return LayoutObjectName(FrontendIndexOf(editorIndex)); }

bool IsEditorTextObject(int index) {
  const int frontend = FrontendIndexOf(index);
  return frontend >= 0 && IsTextObject(frontend);
}

std::array<int, kEditorObjectCount> EditorDrawOrder(const EditorLayout& layout) {
  std::array<int, kLayoutObjectCount> orders{};
  for (int e = 0; e < kEditorObjectCount; ++e) orders[std::size_t(FrontendIndexOf(e))] = layout.objects[e].order;
  std::array<int, kEditorObjectCount> slots{};
  const auto drawn = DrawOrderOf(orders);
  for (int slot = 0; slot < kEditorObjectCount; ++slot) slots[std::size_t(slot)] = EditorIndexOf(drawn[std::size_t(slot)]);
  return slots;
}

}  // namespace cfg
