#include "configurator/layouteditor/import_command.h"

#include <iostream>

#include "configurator/layouteditor/layout_import.h"
#include "configurator/layouteditor/save_layout.h"
#include "configurator/layouteditor/editor_text_lines.h"
#include "platform/files.h"
#include "platform/message_catalogue.h"
#include "platform/text.h"
#include "platform/display_size.h"

namespace cfg {
namespace {

// The size of the screen when there is one; without a display no resolution is refused.
DesktopSize ScreenSize() {
  int width = 0;
  int height = 0;
  if (!platform::PrimaryDisplaySize(width, height)) return DesktopSize{};
  return DesktopSize{width, height};
}

int VisibleObjects(const EditorLayout& layout) {
  int count = 0;
  for (const EditorObject& o : layout.objects) count += o.visible != 0;
  return count;
}

}  // namespace

int RunImport(const std::vector<std::string>& args, DesktopSize desktop, std::ostream& out, std::ostream& err) {
  if (args.size() != 4) {
    err << Tr("usage : orvanel-config --import mamewah|atomicfe SOURCE DESTINATION.cfg\n");
    return 1;
  }
  const std::string& kind = args[1];
  const std::string& source = args[2];
  const std::string& destination = args[3];
  const bool mamewah = platform::EqualsNoCase(kind, "mamewah");
  if (!mamewah && !platform::EqualsNoCase(kind, "atomicfe")) {
    err << Tr("usage : orvanel-config --import mamewah|atomicfe SOURCE DESTINATION.cfg\n");
    return 1;
  }

  EditorSession editor;
  bool reported = false;
  editor.hooks.showMessage = [&err, &reported](std::string_view text, std::string_view caption) {
    if (caption != EditorCaption()) err << caption << ' ';
    err << text << '\n';
    reported = true;
  };
  if (!mamewah) {
    // Any readable text imports as an empty layout in the editor; a batch of commands
    // must not overwrite a good layout with that.
    const auto text = platform::ReadWholeFile(source, kMaxEditorFileBytes);
    if (text && !HasAtomicFeKeys(*text)) {
      err << InvalidFileMessage() << '\n';
      return 1;
    }
  }
  const int imported =
      mamewah ? ImportMamewahLayout(editor, source, desktop) : ImportAtomicFeLayout(editor, source, desktop);
  if (!imported) {
    // A file that cannot be opened is refused without a message in the editor; here the
    // owner needs to know which one.
    if (!reported) err << platform::FormatText(Tr("impossible de lire %1\n"), {source});
    return 1;
  }
  if (!SaveLayout(editor, destination)) return 1;
  out << platform::FormatText(
      Tr("%1 : layout %2 %3 importé, %4x%5, %6 objets visibles\n"),
      {destination, mamewah ? "MAMEWAH" : "AtomicFe", source, std::to_string(editor.layout.Width()),
       std::to_string(editor.layout.Height()), std::to_string(VisibleObjects(editor.layout))});
  return 0;
}

int RunImportCommand(const std::vector<std::string>& args) {
  return RunImport(args, ScreenSize(), std::cout, std::cerr);
}

}  // namespace cfg
