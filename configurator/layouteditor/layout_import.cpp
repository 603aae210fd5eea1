#include "configurator/layouteditor/layout_import.h"

#include <climits>

namespace cfg {

EditorLayout StartImport(const EditorLayout& current, int width, int height) {
  EditorLayout imported = current;
  ClearObjects(imported);
  imported.objects[kEdBackGround].width = width;
  imported.objects[kEdBackGround].height = height;
  return imported;
}

void CompleteImport(EditorSession& editor, const EditorLayout& imported) {
  editor.layout.objects = imported.objects;
  editor.layout.settings = imported.settings;
  RebuildPreview(editor);
  NormaliseOrder(editor.layout);
  ResetImageScroll(editor);
}

int OrderAfter(int value) { return value == INT_MAX ? INT_MAX : value + 1; }

}  // namespace cfg
