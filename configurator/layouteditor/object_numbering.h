// The one map between the editor's object numbering and the frontend's (render/
// layout.h). The key prefixes of Layout.cfg and the text-object rule come from the frontend
// through it, so the files and the preview cannot disagree about which object is which.
#pragma once

#include <string_view>

namespace cfg {

// Frontend index of an editor object, and back; -1 outside 0 ... 14.
int FrontendIndexOf(int editorIndex);
int EditorIndexOf(int frontendIndex);

// "BackGround", "Snap", "List", ...: the key prefix of an editor object in Layout.cfg.
std::string_view EditorKeyPrefix(int editorIndex);

// List, Info, Info1-3 and ScrollText: the objects with a font.
bool IsEditorTextObject(int editorIndex);

}  // namespace cfg
