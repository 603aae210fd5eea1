#include "configurator/layouteditor/load_template.h"

#include <optional>

#include "configurator/layouteditor/editor_key_reader.h"
#include "configurator/layouteditor/editor_text_lines.h"
#include "configurator/layouteditor/object_numbering.h"
#include "platform/files.h"
#include "render/layout_keys.h"
#include "platform/paths.h"

using render::DefaultOf;
using render::FrontendDefaultOrder;
using render::KeyDefaults;
using render::ObjectReading;
using render::ReadObjectFields;
using render::LayoutKey;
using render::ObjectKey;

namespace cfg {
namespace {

// The keys of a file with the defaults of one column (editor numbering).
struct KeysWithDefaults {
  const EditorKeyReader& keys;
  KeyDefaults column;
  int Integer(LayoutKey key) const { return keys.Integer(RowOf(key).name, DefaultOf(RowOf(key), column)); }
  // Without a key an object takes 15 - its index: the frontend's index for a file, its
  // place in the page's object list for a layout started without one.
  void ReadObject(int index, EditorObject& o) const {
    const int frontend = FrontendIndexOf(index);
    const int order = column == KeyDefaults::kFrontend ? FrontendDefaultOrder(frontend) : kEditorObjectCount - index;
    ReadObjectFields(keys, frontend, {column, kEditorFaceField, order}, o);
  }
};

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

void ReadEditorLayout(const EditorKeyReader& keys, KeyDefaults column, int width, int height,
                      EditorLayout& layout) {
  const KeysWithDefaults file{keys, column};
  ClearObjects(layout);
  EditorObject& background = layout.objects[kEdBackGround];
  background.width = width;
  background.height = height;
  ReadBackgroundLook(keys, background);
  background.order = file.Integer(LayoutKey::kBackgroundOrder);
  for (int index = kEdSnap; index < kEditorObjectCount; ++index) file.ReadObject(index, layout.objects[index]);

  LayoutWideSettings& s = layout.settings;
  s.listeImages = keys.Flag(RowOf(LayoutKey::kListeImages).name) ? 1 : 0;
  s.listeIcons = keys.Flag(RowOf(LayoutKey::kListeIcons).name) ? 1 : 0;
  s.transparentColour = file.Integer(LayoutKey::kTransparentColour);
  s.nbItems = file.Integer(LayoutKey::kListNbItems);
  s.selectorMinAlpha = file.Integer(LayoutKey::kSelectionAlpha);
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
  const KeysWithDefaults file{keys, KeyDefaults::kEditor};  // both columns agree here
  background.alpha = file.Integer(LayoutKey::kBackgroundAlpha);
  background.stretch = file.Integer(LayoutKey::kBackgroundResize);
}

void ReadEditorLayoutText(std::string_view text, int width, int height, EditorLayout& layout) {
  ReadEditorLayout(EditorKeyReader(text), KeyDefaults::kFrontend, width, height, layout);
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
  // A file's absent keys read as the cabinet reads them, so saving it changes nothing there.
  const KeyDefaults column = text ? KeyDefaults::kFrontend : KeyDefaults::kEditor;
  if (text) {
    const KeysWithDefaults file{keys, column};
    width = file.Integer(LayoutKey::kResolutionX);
    height = file.Integer(LayoutKey::kResolutionY);
  } else {
    ReadResolution(keys, desktop, width, height);
  }
  if (ExceedsDesktop(width, height, desktop)) {
    ShowEditorMessage(editor, LoadTooLargeMessage());
    return 0;
  }

  ReadEditorLayout(keys, column, width, height, editor.layout);
  TakeSnapshot(editor.layout);
  editor.history.Reset(editor.layout);
  editor.templateName = name;
  RebuildPreview(editor);
  editor.currentFilePath = path;
  ResetAnimationTimers(editor);
  return 1;
}

}  // namespace cfg
