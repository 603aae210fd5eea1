// AtomicFe layout.cfg: key=value lines like Layout.cfg, with "layers" for orders, one
// speed and a direction code for scrolling, and prefixes of its own for some objects.
#include <array>
#include <string>

#include "configurator/layouteditor/editor_key_reader.h"
#include "configurator/layouteditor/editor_text_lines.h"
#include "configurator/layouteditor/layout_import.h"
#include "configurator/layouteditor/load_template.h"
#include "configurator/layouteditor/object_numbering.h"
#include "platform/files.h"
#include "platform/text.h"

namespace cfg {
namespace {

// The file's prefix of an editor object (the List's depends on List_visible).
std::string AtomicFePrefix(int index, bool listImages) {
  if (index == kEdList) return listImages ? "list" : "Listtxt";
  if (index == kEdCustom1 + 4) return "Custom0";
  if (index == kEdCustom6) return "Custom5";
  return std::string(EditorKeyPrefix(index));
}

struct Direction {
  int x;
  int y;
};
// Direction codes 0 ... 7: up, down, left, right, up-right, down-right, up-left, down-left.
constexpr std::array<Direction, 8> kDirections = {
    {{0, 1}, {0, -1}, {1, 0}, {-1, 0}, {-1, 1}, {-1, -1}, {1, 1}, {1, -1}}};

void ReadScroll(const EditorKeyReader& keys, const std::string& prefix, EditorObject& o) {
  o.scrollSpeedX = 0.0f;
  o.scrollSpeedY = 0.0f;
  const int speed = keys.Integer(prefix + "_speed", "10");
  if (speed < 1) return;
  const int code = keys.Integer(prefix + "_scroll", "10");
  if (code < 0 || code >= static_cast<int>(kDirections.size())) return;
  o.scrollSpeedX = static_cast<float>(kDirections[code].x) * static_cast<float>(speed);
  o.scrollSpeedY = static_cast<float>(kDirections[code].y) * static_cast<float>(speed);
}

void ReadObject(const EditorKeyReader& keys, int index, const std::string& prefix, EditorLayout& layout) {
  EditorObject& o = layout.objects[index];
  o.left = keys.Integer(prefix + "_left", "0");
  o.top = keys.Integer(prefix + "_top", "0");
  o.width = keys.Integer(prefix + "_width", "0");
  o.height = keys.Integer(prefix + "_height", "0");
  o.visible = keys.Flag(prefix + "_visible") ? 1 : 0;
  o.alpha = keys.Integer(prefix + "_Alpha", "255");
  o.stretch = keys.Integer(prefix + "_Stretch", "1");
  // Hidden objects go to the back, whatever their layer.
  const std::string_view layer = keys.Raw(prefix + "_Layer");
  o.order = o.visible && !layer.empty() ? OrderAfter(platform::ParseInt(layer)) : 1;
  if (IsEditorTextObject(index)) {
    o.fontColour = keys.Integer(prefix + "_font_color", "16777215");
    o.fontSize = keys.Integer(prefix + "_font_sizey", "10");
    o.alignment = keys.Integer(prefix + "_Aligne", "0");
    o.fontFace = keys.Text(prefix + "_fontname", "System", kEditorFaceField);
  }
  if (index == kEdList) {
    layout.settings.nbItems = keys.Integer(prefix + "_NbItems", "10");
    const int selectorAlpha = keys.Integer(prefix + "_selection_alpha", "255");
    layout.settings.selectorMinAlpha = selectorAlpha;
    layout.settings.selectorMaxAlpha = selectorAlpha;
  }
  ReadScroll(keys, prefix, o);
}

}  // namespace

bool HasAtomicFeKeys(std::string_view text) {
  const EditorKeyReader keys(text);
  for (std::string_view key : {"RESOLUTIONX", "RESOLUTIONY", "Layout_Layer", "Layout_ForeGround", "List_visible"})
    if (keys.Has(key)) return true;
  for (int index = kEdSnap; index < kEditorObjectCount; ++index)
    for (bool listImages : {false, true})
      for (std::string_view suffix : {"_left", "_top", "_width", "_height", "_visible"})
        if (keys.Has(AtomicFePrefix(index, listImages) + std::string(suffix))) return true;
  return false;
}

int ImportAtomicFeLayout(EditorSession& editor, const std::string& path, DesktopSize desktop) {
  const auto text = platform::ReadWholeFile(path, kMaxEditorFileBytes);
  if (!text) return 0;
  const EditorKeyReader keys(*text);

  int width = 0;
  int height = 0;
  ReadResolution(keys, desktop, width, height);
  if (ExceedsDesktop(width, height, desktop)) {
    ShowEditorMessage(editor, ImportTooLargeMessage());
    return 0;
  }

  EditorLayout imported = StartImport(editor.layout, width, height);
  EditorObject& background = imported.objects[kEdBackGround];
  ReadBackgroundLook(keys, background);
  const std::string_view layer = keys.Raw("Layout_Layer");
  if (!layer.empty()) {
    background.order = OrderAfter(platform::ParseInt(layer));
  } else {
    background.order = keys.Flag("Layout_ForeGround") ? 15 : 1;
  }

  const bool listImages = keys.Flag("List_visible");
  imported.settings.listeImages = listImages ? 1 : 0;
  imported.settings.listeIcons = 0;
  for (int index = kEdSnap; index < kEditorObjectCount; ++index) {
    ReadObject(keys, index, AtomicFePrefix(index, listImages), imported);
  }
  imported.settings.transparentColour = keys.Integer("Transparent_color", "0");
  CompleteImport(editor, imported);
  return 1;
}

}  // namespace cfg
