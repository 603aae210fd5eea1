// The layout editor's Layout.cfg loader: any file loads (or is refused for its size) into
// a layout that saves and reads back the same, and a refusal changes nothing.
// fuzz-links: orv_layouteditor
#include <filesystem>

#include "editor_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const bool made = std::filesystem::create_directories(fuzz::ScratchDirectory() + "/Templates/fuzz");
  (void)made;
  cfg::EditorSession editor = fuzz::QuietEditor();
  editor.installDirectory = fuzz::ScratchDirectory();
  const cfg::DesktopSize desktop = fuzz::DesktopOf(data[0]);
  fuzz::Require(cfg::LoadTemplate(editor, "", desktop) == 1);
  const std::string defaults = cfg::LayoutFileText(editor.layout);

  fuzz::PutFile("Templates/fuzz/Layout.cfg", std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  if (cfg::LoadTemplate(editor, "fuzz", desktop) == 1) {
    fuzz::Require(!cfg::IsModified(editor.layout));
    fuzz::CheckEditorLayout(editor.layout);
  } else {
    fuzz::Require(cfg::LayoutFileText(editor.layout) == defaults && editor.templateName.empty());
  }
  return 0;
}
