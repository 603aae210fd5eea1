// Taking over the layout of another frontend: a MAMEWAH layout.lay or an AtomicFe
// layout.cfg replaces the whole layout. The template name, the current file path and the
// snapshot stay, so the result counts as modified and is saved into the current template.
#pragma once

#include <string>
#include <string_view>

#include "configurator/layouteditor/editor_session.h"

namespace cfg {

inline const char* InvalidFileMessage() { return Tr("Fichier non valide !"); }
inline const char* ImportTooLargeMessage() {
  return Tr("Impossible d'importer ce layout car sa résolution est trop élevée !");
}

// 1 imported; 0 refused: the file cannot be read (no message), or it is not a layout or
// larger than the desktop (message shown). A refusal leaves the layout as it was.
int ImportMamewahLayout(EditorSession& editor, const std::string& path, DesktopSize desktop);
int ImportAtomicFeLayout(EditorSession& editor, const std::string& path, DesktopSize desktop);

// The font height a scroll text gets from an import that gives none: two thirds of its
// box, never below a readable 12 pixels.
inline constexpr int kSmallestReadableFont = 12;
int ScrollTextFontSize(int boxHeight);

// Any of the keys an AtomicFe layout.cfg is made of stands in `text` (the lenient menu
// import takes any text; the command refuses one without them).
bool HasAtomicFeKeys(std::string_view text);

}  // namespace cfg

namespace cfg {

// The start of every import: a copy of the editor's layout (snapshot included) with every
// object cleared and the new resolution.
EditorLayout StartImport(const EditorLayout& current, int width, int height);

// The end of every import: `imported` (built on a copy of the editor's layout, snapshot
// included) replaces the layout, then the preview follows and the orders are renumbered.
void CompleteImport(EditorSession& editor, const EditorLayout& imported);

// value + 1 without overflowing: an order taken from a foreign "layer" number.
int OrderAfter(int value);

}  // namespace cfg
