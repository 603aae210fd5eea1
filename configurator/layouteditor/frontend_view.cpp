#include "configurator/layouteditor/frontend_view.h"

#include "configurator/layouteditor/object_numbering.h"

using render::Layout;
using render::LayoutObject;
using render::TextStyle;
using render::kList;

namespace cfg {

void CopyToFrontendLayout(const EditorLayout& editor, Layout& frontend) {
  for (int e = 0; e < kEditorObjectCount; ++e) {
    const EditorObject& from = editor.objects[e];
    const int f = FrontendIndexOf(e);
    LayoutObject& to = frontend.objects[f];
    to.left = from.left;
    to.top = from.top;
    to.width = from.width;
    to.height = from.height;
    to.stretch = e == kEdBackGround ? 0 : from.stretch;  // the background is always drawn at its size
    to.alpha = from.alpha;
    to.visible = from.visible != 0;
    to.scrollSpeedX = from.scrollSpeedX;
    to.scrollSpeedY = from.scrollSpeedY;
    if (IsEditorTextObject(e)) {
      frontend.textStyles[f] =
          TextStyle{static_cast<std::uint32_t>(from.fontColour), from.fontSize, from.alignment, from.fontFace};
    }
  }
  const auto slots = EditorDrawOrder(editor);
  for (int slot = 0; slot < kEditorObjectCount; ++slot) frontend.drawOrder[slot] = FrontendIndexOf(slots[slot]);
  const LayoutWideSettings& s = editor.settings;
  frontend.listeImages = s.listeImages != 0;
  frontend.listeIcons = s.listeIcons != 0;
  frontend.transparentColour = static_cast<std::uint32_t>(s.transparentColour);
  frontend.listNbItems = ListRowDivisor(s.nbItems);
  frontend.itemHeight = frontend.objects[kList].height / frontend.listNbItems;
  frontend.selectionAlphaMin = s.selectorMinAlpha;
  frontend.selectionAlphaMax = s.selectorMaxAlpha;
}

}  // namespace cfg
