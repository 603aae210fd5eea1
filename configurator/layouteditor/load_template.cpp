#include "configurator/layouteditor/load_template.h"

#include <array>
#include <optional>

#include "configurator/layouteditor/editor_key_reader.h"
#include "configurator/layouteditor/editor_text_lines.h"
#include "configurator/layouteditor/object_numbering.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace cfg {
namespace {

std::string Key(int index, std::string_view suffix) {
  return std::string(EditorKeyPrefix(index)) + std::string(suffix);
}

void ReadObject(const EditorKeyReader& keys, int index, EditorObject& o) {
  o.scrollSpeedX = static_cast<float>(keys.Integer(Key(index, "_ScrollX"), "0"));
  o.scrollSpeedY = static_cast<float>(keys.Integer(Key(index, "_ScrollY"), "0"));
  o.left = keys.Integer(Key(index, "_left"), "0");
  o.top = keys.Integer(Key(index, "_top"), "0");
  o.width = keys.Integer(Key(index, "_width"), "0");
  o.height = keys.Integer(Key(index, "_height"), "0");
  o.visible = keys.Flag(Key(index, "_visible")) ? 1 : 0;
  o.alpha = keys.Integer(Key(index, "_Alpha"), "255");
  o.stretch = keys.Integer(Key(index, "_Stretch"), "1");
  o.order = keys.Integer(Key(index, "_Ordre"), std::to_string(kEditorObjectCount - index));
  if (!IsEditorTextObject(index)) return;
  o.fontColour = keys.Integer(Key(index, "_font_color"), "16777215");
  o.fontSize = keys.Integer(Key(index, "_font_sizey"), "10");
  o.alignment = keys.Integer(Key(index, "_Aligne"), "0");
  o.fontFace = keys.Text(Key(index, "_fontname"), "System", kEditorFaceField);
}

bool AnyOrderOutsideSlots(const EditorLayout& layout) {
  for (const EditorObject& o : layout.objects) {
    if (o.order < 1 || o.order > kEditorObjectCount) return true;
  }
  return false;
}

// An order outside 1 ... 15 fits no slot. Such a file is renumbered to what the frontend
// draws from it: in its reading order each object takes the slot of its order while that
// slot is free, and every slot left over takes the smallest frontend index not yet placed.
void RenumberAsTheFrontendDraws(EditorLayout& layout) {
  std::array<int, kEditorObjectCount> slots;  // editor index per slot, -1 free
  slots.fill(-1);
  std::array<bool, kEditorObjectCount> placed{};
  for (int frontend = 0; frontend < kEditorObjectCount; ++frontend) {
    const int index = EditorIndexOf(frontend);
    const int order = layout.objects[index].order;
    if (order >= 1 && order <= kEditorObjectCount && slots[order - 1] < 0) {
      slots[order - 1] = index;
      placed[frontend] = true;
    }
  }
  int next = 0;
  for (int& slot : slots) {
    if (slot >= 0) continue;
    while (placed[next]) ++next;
    slot = EditorIndexOf(next);
    placed[next] = true;
  }
  for (int p = 0; p < kEditorObjectCount; ++p) layout.objects[slots[p]].order = p + 1;
}

void ReadEditorLayout(const EditorKeyReader& keys, int width, int height, EditorLayout& layout) {
  ClearObjects(layout);
  EditorObject& background = layout.objects[kEdBackGround];
  background.width = width;
  background.height = height;
  ReadBackgroundLook(keys, background);
  background.order = keys.Integer("BackGround_Ordre", "15");
  for (int index = kEdSnap; index < kEditorObjectCount; ++index) ReadObject(keys, index, layout.objects[index]);

  LayoutWideSettings& s = layout.settings;
  s.listeImages = keys.Flag("ListeImages") ? 1 : 0;
  s.listeIcons = keys.Flag("ListeIcons") ? 1 : 0;
  s.transparentColour = keys.Integer("Transparent_color", "0");
  s.nbItems = keys.Integer("List_NbItems", "10");
  s.selectorMinAlpha = keys.Integer("List_selection_alpha", "");
  s.selectorMaxAlpha = keys.Integer("List_selection_alphaMax", std::to_string(s.selectorMinAlpha));
  layout.selectorAlpha = s.selectorMinAlpha;

  // Orders stay as written (repeated ones included) unless one fits no slot at all.
  if (AnyOrderOutsideSlots(layout)) RenumberAsTheFrontendDraws(layout);
  RebuildDrawOrder(layout);
}

}  // namespace

void ReadResolution(const EditorKeyReader& keys, DesktopSize desktop, int& width, int& height) {
  const DesktopSize defaults = DefaultResolution(desktop);
  width = keys.Integer("RESOLUTIONX", std::to_string(defaults.width));
  height = keys.Integer("RESOLUTIONY", std::to_string(defaults.height));
}

void ReadBackgroundLook(const EditorKeyReader& keys, EditorObject& background) {
  background.visible = keys.Flag("BackGround_visible") ? 1 : 0;
  background.alpha = keys.Integer("BackGround_Alpha", "255");
  background.stretch = keys.Integer("BackGround_Resize", "0");
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
