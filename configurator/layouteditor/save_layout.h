// The writer of Layout.cfg.
#pragma once

#include <string>
#include <string_view>

#include "configurator/layouteditor/editor_session.h"

namespace cfg {

// The caption of the box that reports a file that could not be written (its text is the path).
inline const char* CannotCreateCaption() { return Tr("Impossible de créer ce fichier !"); }

// The whole file: key=value lines ended by CR LF, in the writer's fixed order.
std::string LayoutFileText(const EditorLayout& layout);

// Replaces the file at `path` in one piece with the layout as it stands (the page commits
// its fields first). 1 written: the path becomes the current file path and the layout
// counts as unmodified. 0 failed: the old file stays whole, the message is shown, and the
// path and the modified state are as they were.
int SaveLayout(EditorSession& editor, const std::string& path);

}  // namespace cfg
