// The editor's state beside the layout (template, file path, selection), the desktop size it
// checks resolutions against, and the seams through which the page and the preview follow
// the model. Every seam left empty does nothing, so the model and its files run alone.
#pragma once

#include <climits>
#include <functional>
#include <string>
#include <string_view>

#include "configurator/layouteditor/edit_history.h"
#include "configurator/layouteditor/editor_layout.h"
#include "platform/message_catalogue.h"

namespace cfg {

// The caption of every box the editor shows.
inline const char* EditorCaption() { return Tr("Configurateur Orvanel"); }

struct DesktopSize {
  int width = INT_MAX;  // no screen: no limit
  int height = INT_MAX;
};

// 640 x 480, or the desktop's own size when the desktop is smaller than that.
DesktopSize DefaultResolution(DesktopSize desktop);
bool ExceedsDesktop(int width, int height, DesktopSize desktop);

struct EditorHooks {
  // Sizes the preview to the layout, reloads the template's pictures, recreates the fonts.
  std::function<void()> rebuildPreview;
  // Restarts the selector pulse, the scroll text and the picture scrolling.
  std::function<void()> resetAnimationTimers;
  // Restarts the picture scrolling of the Custom objects only.
  std::function<void()> resetImageScroll;
  // A message for the user (UTF-8 text and caption); empty: platform::ShowMessageBox.
  std::function<void(std::string_view text, std::string_view caption)> showMessage;
};

struct EditorSession {
  EditorLayout layout;
  int selected = -1;             // object shown by the page; -1 until one is
  std::string templateName;      // directory name of the template last loaded
  std::string currentFilePath;   // Layout.cfg last loaded or saved
  int templateListIndex = -1;    // row of the page's template list that is loaded
  std::string installDirectory;  // the configurator's working directory at start-up
  EditHistory history;           // undo and redo of the loaded template's edits
  EditorHooks hooks;
};

void RebuildPreview(EditorSession& editor);
void ResetAnimationTimers(EditorSession& editor);
void ResetImageScroll(EditorSession& editor);
void ShowEditorMessage(EditorSession& editor, std::string_view text, std::string_view caption = EditorCaption());

}  // namespace cfg
