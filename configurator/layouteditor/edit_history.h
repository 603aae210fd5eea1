// The editor's undo and redo: whole copies of the edited layout (objects and layout-wide
// settings, never the saved copy), taken at each commit of an edit. A layout of fifteen
// objects is small, so a copy per step is simpler and safer than recording each change.
#pragma once

#include <array>
#include <cstddef>
#include <deque>

#include "configurator/layouteditor/editor_layout.h"

namespace cfg {

struct LayoutState {
  std::array<EditorObject, kEditorObjectCount> objects{};
  LayoutWideSettings settings;
};

// Every field equal, the faces byte for byte and the speeds bit for bit (a NaN read from
// a file equals itself, so it never looks like a new edit).
bool SameState(const LayoutState& a, const LayoutState& b);
LayoutState StateOf(const EditorLayout& layout);

class EditHistory {
 public:
  static constexpr std::size_t kMaxSteps = 256;

  // A new layout (a template loaded): no step to undo or redo, `layout` is the present.
  void Reset(const EditorLayout& layout);
  // An edit was committed: when `layout` differs from the present, the present becomes a
  // step to undo and the steps to redo are dropped. True when a step was recorded.
  bool Record(const EditorLayout& layout);
  // Records what is pending first, then puts the previous (next) state into `layout`.
  // False when there is nothing to undo (redo); `layout` is then as it was recorded.
  bool Undo(EditorLayout& layout);
  bool Redo(EditorLayout& layout);

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  std::size_t undoSteps() const { return undo_.size(); }

 private:
  // The present goes onto `to`, the newest state of `from` becomes the present.
  bool Step(std::deque<LayoutState>& from, std::deque<LayoutState>& to, EditorLayout& layout);
  static void Put(const LayoutState& state, EditorLayout& layout);

  LayoutState present_;
  std::deque<LayoutState> undo_;  // oldest first
  std::deque<LayoutState> redo_;  // next redo last
};

}  // namespace cfg
