#include "configurator/layouteditor/save_layout.h"

#include "configurator/layouteditor/object_numbering.h"
#include "platform/files.h"

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
  const std::string prefix(EditorKeyPrefix(index));
  auto key = [&prefix](std::string_view suffix) { return prefix + std::string(suffix); };
  out.Number(key("_Left"), o.left);
  out.Number(key("_Top"), o.top);
  out.Number(key("_Width"), o.width);
  out.Number(key("_Height"), o.height);
  out.Flag(key("_Visible"), o.visible);
  out.Number(key("_Alpha"), o.alpha);
  out.Number(key("_Ordre"), o.order);
  if (IsEditorTextObject(index)) {
    out.Number(key("_Font_Color"), o.fontColour);
    out.Number(key("_Font_Sizey"), o.fontSize);
    if (index != kEdScrollText) out.Number(key("_Aligne"), o.alignment);
    out.Line(key("_Fontname"), o.fontFace);
  }
  if (WritesStretch(index, layout.settings)) out.Number(key("_Stretch"), o.stretch);
  if (IsEditorCustomObject(index)) {
    out.Number(key("_ScrollX"), TruncatedSpeed(o.scrollSpeedX));
    out.Number(key("_ScrollY"), TruncatedSpeed(o.scrollSpeedY));
  }
}

}  // namespace

std::string LayoutFileText(const EditorLayout& layout) {
  LineWriter out;
  const EditorObject& background = layout.objects[kEdBackGround];
  out.Number("ResolutionX", background.width);
  out.Number("ResolutionY", background.height);
  out.Flag("BackGround_visible", background.visible);
  out.Number("BackGround_Alpha", background.alpha);
  out.Number("BackGround_Ordre", background.order);
  for (int index = kEdSnap; index < kEditorObjectCount; ++index) WriteObject(out, index, layout);
  const LayoutWideSettings& s = layout.settings;
  out.Flag("ListeImages", s.listeImages);
  out.Flag("ListeIcons", s.listeIcons);
  out.Number("Transparent_Color", s.transparentColour);
  out.Number("List_NbItems", s.nbItems);
  out.Number("List_Selection_Alpha", s.selectorMinAlpha);
  out.Number("List_Selection_AlphaMax", s.selectorMaxAlpha);
  return out.Take();
}

int SaveLayout(EditorSession& editor, const std::string& path) {
  // The page's pending fields go into the file; a failed write takes them back out, so the
  // model stays as it was before the attempt.
  const EditorLayout before = editor.layout;
  if (editor.selected >= 0) CommitFields(editor, editor.selected);
  if (path.empty() || !platform::WriteFileAtomically(path, LayoutFileText(editor.layout))) {
    editor.layout = before;
    ShowEditorMessage(editor, path, kCannotCreateCaption);
    return 0;
  }
  editor.currentFilePath = path;
  TakeSnapshot(editor.layout);
  return 1;
}

}  // namespace cfg
