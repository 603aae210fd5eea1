// Loading a template's Layout.cfg into the editor, with the editor's own defaults.
#pragma once

#include <string>
#include <string_view>

#include "configurator/layouteditor/editor_key_reader.h"
#include "configurator/layouteditor/editor_session.h"

namespace cfg {

// The message of a layout larger than the screen.
inline const char* LoadTooLargeMessage() {
  return Tr("Impossible de charger ce layout car sa résolution est trop élevée !");
}

// <installation directory>/Templates/<name>/Layout.cfg, matching existing components in any
// letter case.
std::string TemplateLayoutPath(const std::string& installDirectory, const std::string& name);

// 1 loaded; 0 refused (the layout is larger than the desktop: message shown, nothing
// changed). The keys a file leaves out take the frontend's defaults. A missing or
// unreadable file loads the editor's defaults for a new layout; an empty name loads them
// without looking for a file. Afterwards the layout counts as unmodified.
int LoadTemplate(EditorSession& editor, const std::string& name, DesktopSize desktop);

// RESOLUTIONX and RESOLUTIONY with the editor's defaults for this desktop (a new layout).
void ReadResolution(const EditorKeyReader& keys, DesktopSize desktop, int& width, int& height);
// BackGround_visible, BackGround_Alpha and BackGround_Resize.
void ReadBackgroundLook(const EditorKeyReader& keys, EditorObject& background);

// Fills `layout` (objects and layout-wide settings; not the snapshot) from a file's text,
// its absent keys with the frontend's defaults.
// The resolution is read by the caller, which checks it against the desktop first.
void ReadEditorLayoutText(std::string_view text, int width, int height, EditorLayout& layout);

}  // namespace cfg
