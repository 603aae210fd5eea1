#include "configurator/layouteditor/save_layout.h"

#include "configurator/layouteditor/object_numbering.h"
#include "platform/files.h"
#include "render/layout_keys.h"

using render::LayoutKey;
using render::ObjectKey;
using render::WrittenKeyName;

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

void WriteObject(LineWriter& out, int index, const EditorLayout& layout) {
  const EditorObject& o = layout.objects[index];
  const int frontend = FrontendIndexOf(index);
  auto key = [frontend](ObjectKey k) { return WrittenKeyName(frontend, k); };
  out.Number(key(ObjectKey::kLeft), o.left);
  out.Number(key(ObjectKey::kTop), o.top);
  out.Number(key(ObjectKey::kWidth), o.width);
  out.Number(key(ObjectKey::kHeight), o.height);
  out.Flag(key(ObjectKey::kVisible), o.visible);
  out.Number(key(ObjectKey::kAlpha), o.alpha);
  out.Number(key(ObjectKey::kOrder), o.order);
  if (IsEditorTextObject(index)) {
    out.Number(key(ObjectKey::kFontColour), o.fontColour);
    out.Number(key(ObjectKey::kFontSize), o.fontSize);
    if (index != kEdScrollText) out.Number(key(ObjectKey::kAlignment), o.alignment);
    out.Line(key(ObjectKey::kFontName), o.fontFace);
  }
  if (WritesStretch(index, layout.settings)) out.Number(key(ObjectKey::kStretch), o.stretch);
  if (IsEditorCustomObject(index)) {
    out.Number(key(ObjectKey::kScrollX), TruncatedSpeed(o.scrollSpeedX));
    out.Number(key(ObjectKey::kScrollY), TruncatedSpeed(o.scrollSpeedY));
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
    ShowEditorMessage(editor, path, kCannotCreateCaption);
    return 0;
  }
  editor.currentFilePath = path;
  TakeSnapshot(editor.layout);
  return 1;
}

}  // namespace cfg
