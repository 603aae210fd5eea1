// What the layout editor promises for any file it reads: a layout whose draw order names
// only real objects, whose saved text reads back into the same saved text, and whose
// orders renumber into one slot per object.
#pragma once

#include <algorithm>
#include <array>
#include <string>

#include "configurator/layouteditor/editor_key_reader.h"
#include "configurator/layouteditor/load_template.h"
#include "configurator/layouteditor/object_numbering.h"
#include "configurator/layouteditor/save_layout.h"
#include "fuzz_input.h"
#include "render/layout_keys.h"

namespace fuzz {

// An editor that shows no box and has no preview.
inline cfg::EditorSession QuietEditor() {
  cfg::EditorSession editor;
  editor.hooks.showMessage = [](std::string_view, std::string_view) {};
  return editor;
}

// The desktop sizes the editor checks resolutions against: none, a usual one, a tiny one.
inline cfg::DesktopSize DesktopOf(std::uint8_t choice) {
  switch (choice % 3) {
    case 0: return {};
    case 1: return {1024, 768};
    default: return {320, 200};
  }
}

inline void CheckEditorLayout(const cfg::EditorLayout& layout) {
  for (int slot : cfg::EditorDrawOrder(layout)) Require(slot >= -1 && slot < cfg::kEditorObjectCount);
  const int rows = cfg::ListRowDivisor(layout.settings.nbItems);
  Require(rows >= 1 && rows <= 50);
  for (const cfg::EditorObject& o : layout.objects) Require(o.fontFace.size() < cfg::kEditorFaceField);

  // Saved, read back and saved again: the same file, but for an empty face, whose line the
  // writer leaves out and the reader then fills with its default.
  const std::string saved = cfg::LayoutFileText(layout);
  const cfg::EditorKeyReader keys(saved);
  int width = 0;
  int height = 0;
  cfg::ReadResolution(keys, cfg::DesktopSize{}, width, height);
  Require(width == layout.Width() && height == layout.Height());
  cfg::EditorLayout reread;
  cfg::ReadEditorLayoutText(saved, width, height, reread);
  cfg::EditorLayout expected = layout;
  // A file is read with the frontend's defaults, so an absent face reads as the cabinet's.
  const std::string kFaceOfAFile(render::DefaultOf(render::RowOf(render::ObjectKey::kFontName), render::KeyDefaults::kFrontend));
  for (int index = 0; index < cfg::kEditorObjectCount; ++index) {
    std::string& face = expected.objects[static_cast<std::size_t>(index)].fontFace;
    if (cfg::IsEditorTextObject(index) && face.empty()) face = kFaceOfAFile;
  }
  Require(cfg::LayoutFileText(reread) == cfg::LayoutFileText(expected));

  cfg::EditorLayout renumbered = layout;
  cfg::NormaliseOrder(renumbered);
  const std::array<int, cfg::kEditorObjectCount> drawOrder = cfg::EditorDrawOrder(renumbered);
  std::array<bool, cfg::kEditorObjectCount> drawn{};
  for (int p = 0; p < cfg::kEditorObjectCount; ++p) {
    const int index = drawOrder[static_cast<std::size_t>(p)];
    Require(index >= 0 && index < cfg::kEditorObjectCount && !drawn[static_cast<std::size_t>(index)]);
    drawn[static_cast<std::size_t>(index)] = true;
    Require(renumbered.objects[static_cast<std::size_t>(index)].order == p + 1);
  }
}

// An import either takes the whole file or leaves the layout exactly as it was.
template <class Import>
int CheckImport(Import import, const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  cfg::EditorSession editor = QuietEditor();
  const cfg::DesktopSize desktop = DesktopOf(data[0]);
  Require(cfg::LoadTemplate(editor, "", desktop) == 1);
  const std::string before = cfg::LayoutFileText(editor.layout);
  const std::string path =
      PutFile("import", std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  if (import(editor, path, desktop) == 1) {
    Require(!cfg::ExceedsDesktop(editor.layout.Width(), editor.layout.Height(), desktop));
    CheckEditorLayout(editor.layout);
  } else {
    Require(cfg::LayoutFileText(editor.layout) == before);
  }
  return 0;
}

}  // namespace fuzz
