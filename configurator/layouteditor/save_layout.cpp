#include "configurator/layouteditor/save_layout.h"

#include "configurator/layouteditor/object_numbering.h"
#include "platform/files.h"
#include "render/layout_keys.h"

using render::LayoutKey;
using render::ObjectKey;
using render::FieldType;
using render::ObjectKeyRow;
using render::ObjectKeyRows;
using render::RowOf;
using render::WrittenFor;

namespace cfg {
namespace {

class LineWriter {
 public:
  void Number(std::string_view key, long long value) { Line(key, std::to_string(value)); }
  void Flag(std::string_view key, int value) { Line(key, value ? "YES" : "NO"); }
  // A line with an empty value is left out. A face never brings a line break into the file.
  void Line(std::string_view key, std::string_view value) {
    value = value.substr(0, value.find_first_of("\r\n"));
    if (value.empty()) return;
    text_.append(key).append("=").append(value).append("\r\n");
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

bool WritesStretch(int index, const LayoutWideSettings& settings) {
  return index == kEdSnap || index == kEdMarquee || IsEditorCustomObject(index) ||
         (index == kEdList && settings.listeImages != 0);
}

bool Writes(WrittenFor which, int index, const LayoutWideSettings& settings) {
  switch (which) {
    case WrittenFor::kEveryObject: return true;
    case WrittenFor::kTextObjects: return IsEditorTextObject(index);
    case WrittenFor::kAlignedText: return IsEditorTextObject(index) && index != kEdScrollText;
    case WrittenFor::kPictures: return WritesStretch(index, settings);
    case WrittenFor::kScrolling: return IsEditorCustomObject(index);
  }
  return false;
}

void WriteObject(LineWriter& out, int index, const EditorLayout& layout) {
  const EditorObject& o = layout.objects[index];
  const std::string prefix(EditorKeyPrefix(index));
  for (const ObjectKeyRow& row : ObjectKeyRows()) {
    if (!Writes(row.writtenFor, index, layout.settings)) continue;
    const std::string key = prefix + std::string(row.key.written);
    switch (row.type) {
      case FieldType::kInt:
      case FieldType::kOrder: out.Number(key, o.*std::get<int EditorObject::*>(row.field)); break;
      case FieldType::kFlag: out.Flag(key, o.*std::get<int EditorObject::*>(row.field)); break;
      case FieldType::kSpeed: out.Number(key, TruncatedSpeed(o.*std::get<float EditorObject::*>(row.field))); break;
      case FieldType::kText: out.Line(key, o.*std::get<std::string EditorObject::*>(row.field)); break;
    }
  }
}

std::string_view Written(LayoutKey key) { return RowOf(key).written; }

}  // namespace

std::string LayoutFileText(const EditorLayout& layout) {
  LineWriter out;
  const EditorObject& background = layout.objects[kEdBackGround];
  out.Number(Written(LayoutKey::kResolutionX), background.width);
  out.Number(Written(LayoutKey::kResolutionY), background.height);
  out.Flag(Written(LayoutKey::kBackgroundVisible), background.visible);
  out.Number(Written(LayoutKey::kBackgroundAlpha), background.alpha);
  out.Number(Written(LayoutKey::kBackgroundOrder), background.order);
  for (int index = kEdSnap; index < kEditorObjectCount; ++index) WriteObject(out, index, layout);
  const LayoutWideSettings& s = layout.settings;
  out.Flag(Written(LayoutKey::kListeImages), s.listeImages);
  out.Flag(Written(LayoutKey::kListeIcons), s.listeIcons);
  out.Number(Written(LayoutKey::kTransparentColour), s.transparentColour);
  out.Number(Written(LayoutKey::kListNbItems), s.nbItems);
  out.Number(Written(LayoutKey::kSelectionAlpha), s.selectorMinAlpha);
  out.Number(Written(LayoutKey::kSelectionAlphaMax), s.selectorMaxAlpha);
  return out.Take();
}

int SaveLayout(EditorSession& editor, const std::string& path) {
  if (path.empty() || !platform::WriteFileAtomically(path, LayoutFileText(editor.layout))) {
    ShowEditorMessage(editor, path, CannotCreateCaption());
    return 0;
  }
  editor.currentFilePath = path;
  TakeSnapshot(editor.layout);
  return 1;
}

}  // namespace cfg
