#include "configurator/layouteditor/editor_session.h"

#include "platform/message_box.h"

namespace cfg {

DesktopSize DefaultResolution(DesktopSize desktop) {
  if (desktop.width < 640 || desktop.height < 480) return desktop;
  return {640, 480};
}

bool ExceedsDesktop(int width, int height, DesktopSize desktop) {
  return width > desktop.width || height > desktop.height;
}

void RebuildPreview(EditorSession& editor) {
  if (editor.hooks.rebuildPreview) editor.hooks.rebuildPreview();
}

void ResetAnimationTimers(EditorSession& editor) {
  if (editor.hooks.resetAnimationTimers) editor.hooks.resetAnimationTimers();
}

void ResetImageScroll(EditorSession& editor) {
  if (editor.hooks.resetImageScroll) editor.hooks.resetImageScroll();
}

void ShowEditorMessage(EditorSession& editor, std::string_view text, std::string_view caption) {
  if (editor.hooks.showMessage) {
    editor.hooks.showMessage(text, caption);
  } else {
    platform::ShowMessageBox(text, caption);
  }
}

}  // namespace cfg
