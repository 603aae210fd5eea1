// A layout editor for tests: messages are recorded instead of shown, the hooks count calls.
#pragma once

#include <string>
#include <vector>

#include "configurator/layouteditor/editor_session.h"

struct RecordingEditor {
  cfg::EditorSession editor;
  std::vector<std::string> messages;  // "caption|text"
  std::vector<std::string> calls;     // hook names in call order

  explicit RecordingEditor(std::string installDirectory = ".") {
    editor.installDirectory = std::move(installDirectory);
    editor.hooks.showMessage = [this](std::string_view text, std::string_view caption) {
      messages.push_back(std::string(caption) + "|" + std::string(text));
    };
    editor.hooks.rebuildPreview = [this] { calls.push_back("RebuildPreview"); };
    editor.hooks.resetAnimationTimers = [this] { calls.push_back("ResetAnimationTimers"); };
    editor.hooks.resetImageScroll = [this] { calls.push_back("ResetImageScroll"); };
  }
};

inline std::string SamplePath(const std::string& name) {
  return std::string(ORV_SOURCE_DIR) + "/tests/configurator/layouteditor/samples/" + name;
}
