// The one map between the editor's object numbering and the frontend's (render/
// layout.h). The key prefixes of Layout.cfg and the text-object rule come from the frontend
// through it, so the files and the preview cannot disagree about which object is which.
#pragma once

#include <array>
#include <string_view>

#include "configurator/layouteditor/editor_layout.h"

namespace cfg {

// Frontend index of an editor object, and back; -1 outside 0 ... 14.
int FrontendIndexOf(int editorIndex);
int EditorIndexOf(int frontendIndex);

// "BackGround", "Snap", "List", ...: the key prefix of an editor object in Layout.cfg.
std::string_view EditorKeyPrefix(int editorIndex);

// List, Info, Info1-3 and ScrollText: the objects with a font.
bool IsEditorTextObject(int editorIndex);

// The objects (editor numbering) back to front as the frontend draws this layout once saved:
// the frontend's one draw-order rule over the objects' orders.
std::array<int, kEditorObjectCount> EditorDrawOrder(const EditorLayout& layout);

}  // namespace cfg
