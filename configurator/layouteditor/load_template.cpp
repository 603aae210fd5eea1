#include "configurator/layouteditor/load_template.h"

#include <optional>

#include "configurator/layouteditor/editor_key_reader.h"
#include "configurator/layouteditor/editor_text_lines.h"
#include "configurator/layouteditor/object_numbering.h"
#include "platform/files.h"
#include "render/layout_keys.h"
#include "platform/paths.h"

namespace cfg {
namespace {

// An object key with the editor's default (editor numbering).
int Integer(const EditorKeyReader& keys, int index, ObjectKey key) {
  return keys.Integer(KeyName(FrontendIndexOf(index), key), RowOf(key).editorDefault);
}
int Integer(const EditorKeyReader& keys, LayoutKey key) {
  return keys.Integer(RowOf(key).name, RowOf(key).editorDefault);
}

void ReadObject(const EditorKeyReader& keys, int index, EditorObject& o) {
  const int frontend = FrontendIndexOf(index);
  o.scrollSpeedX = static_cast<float>(Integer(keys, index, ObjectKey::kScrollX));
  o.scrollSpeedY = static_cast<float>(Integer(keys, index, ObjectKey::kScrollY));
  o.left = Integer(keys, index, ObjectKey::kLeft);
  o.top = Integer(keys, index, ObjectKey::kTop);
  o.width = Integer(keys, index, ObjectKey::kWidth);
  o.height = Integer(keys, index, ObjectKey::kHeight);
  o.visible = keys.Flag(KeyName(frontend, ObjectKey::kVisible)) ? 1 : 0;
  o.alpha = Integer(keys, index, ObjectKey::kAlpha);
  o.stretch = Integer(keys, index, ObjectKey::kStretch);
  // Without a key an object takes 15 - its place in the page's object list.
  o.order = keys.Integer(KeyName(frontend, ObjectKey::kOrder), std::to_string(kEditorObjectCount - index));
  if (!IsEditorTextObject(index)) return;
  o.fontColour = Integer(keys, index, ObjectKey::kFontColour);
  o.fontSize = Integer(keys, index, ObjectKey::kFontSize);
  o.alignment = Integer(keys, index, ObjectKey::kAlignment);
  o.fontFace =
      keys.Text(KeyName(frontend, ObjectKey::kFontName), RowOf(ObjectKey::kFontName).editorDefault, kEditorFaceField);
}

bool AnyOrderOutsideSlots(const EditorLayout& layout) {
  for (const EditorObject& o : layout.objects) {
    if (o.order < 1 || o.order > kEditorObjectCount) return true;
  }
  return false;
}

// An order outside 1 ... 15 fits no slot. Such a file is renumbered to what the frontend
// draws from it.
void RenumberAsTheFrontendDraws(EditorLayout& layout) {
  const auto slots = EditorDrawOrder(layout);
  for (int p = 0; p < kEditorObjectCount; ++p) layout.objects[slots[p]].order = p + 1;
}

void ReadEditorLayout(const EditorKeyReader& keys, int width, int height, EditorLayout& layout) {
  ClearObjects(layout);
  EditorObject& background = layout.objects[kEdBackGround];
  background.width = width;
  background.height = height;
  ReadBackgroundLook(keys, background);
  background.order = Integer(keys, LayoutKey::kBackgroundOrder);
  for (int index = kEdSnap; index < kEditorObjectCount; ++index) ReadObject(keys, index, layout.objects[index]);

  LayoutWideSettings& s = layout.settings;
  s.listeImages = keys.Flag(RowOf(LayoutKey::kListeImages).name) ? 1 : 0;
  s.listeIcons = keys.Flag(RowOf(LayoutKey::kListeIcons).name) ? 1 : 0;
  s.transparentColour = Integer(keys, LayoutKey::kTransparentColour);
  s.nbItems = Integer(keys, LayoutKey::kListNbItems);
  s.selectorMinAlpha = Integer(keys, LayoutKey::kSelectionAlpha);
  s.selectorMaxAlpha = keys.Integer(RowOf(LayoutKey::kSelectionAlphaMax).name, std::to_string(s.selectorMinAlpha));

  // Orders stay as written (repeated ones included) unless one fits no slot at all.
  if (AnyOrderOutsideSlots(layout)) RenumberAsTheFrontendDraws(layout);
}

}  // namespace

void ReadResolution(const EditorKeyReader& keys, DesktopSize desktop, int& width, int& height) {
  const DesktopSize defaults = DefaultResolution(desktop);
  width = keys.Integer(RowOf(LayoutKey::kResolutionX).name, std::to_string(defaults.width));
  height = keys.Integer(RowOf(LayoutKey::kResolutionY).name, std::to_string(defaults.height));
}

void ReadBackgroundLook(const EditorKeyReader& keys, EditorObject& background) {
  background.visible = keys.Flag(RowOf(LayoutKey::kBackgroundVisible).name) ? 1 : 0;
  background.alpha = Integer(keys, LayoutKey::kBackgroundAlpha);
  background.stretch = Integer(keys, LayoutKey::kBackgroundResize);
}

void ReadEditorLayoutText(std::string_view text, int width, int height, EditorLayout& layout) {
  ReadEditorLayout(EditorKeyReader(text), width, height, layout);
}

std::string TemplateLayoutPath(const std::string& installDirectory, const std::string& name) {
  const std::string directory = platform::ResolvePath(platform::JoinPath(installDirectory, "Templates/" + name));
  return platform::ResolvePath(platform::JoinPath(directory, "Layout.cfg"));
}

int LoadTemplate(EditorSession& editor, const std::string& name, DesktopSize desktop) {
  const std::string path = name.empty() ? std::string() : TemplateLayoutPath(editor.installDirectory, name);
  std::optional<std::string> text;
  if (!path.empty()) text = platform::ReadWholeFile(path, kMaxEditorFileBytes);
  const std::string_view content = text ? std::string_view(*text) : std::string_view();

  const EditorKeyReader keys(content);
  int width = 0;
  int height = 0;
  ReadResolution(keys, desktop, width, height);
  if (ExceedsDesktop(width, height, desktop)) {
    ShowEditorMessage(editor, kLoadTooLargeMessage);
    return 0;
  }

  ReadEditorLayout(keys, width, height, editor.layout);
  TakeSnapshot(editor.layout);
  editor.templateName = name;
  RebuildPreview(editor);
  editor.currentFilePath = path;
  ResetAnimationTimers(editor);
  return 1;
}

}  // namespace cfg
