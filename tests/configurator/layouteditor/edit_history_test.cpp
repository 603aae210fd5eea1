#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "configurator/layouteditor/edit_history.h"

using namespace cfg;

namespace {

// One step of a sequence: an edit of the Snap's left edge (recorded, or pending as a
// typed field is), an undo, a redo, a save or a load; then what the layout must be.
enum class Op { kEdit, kPending, kUndo, kRedo, kSave, kLoad };
struct Step {
  Op op;
  int value;  // the left edge an edit gives
  int left;   // the left edge expected after the step
  bool modified;
  bool canUndo, canRedo;
};

}  // namespace

TEST(EditHistory, SequencesOfEditsUndoneAndRedone) {
  const struct {
    const char* name;
    std::vector<Step> steps;
  } cases[] = {
      {"undo and redo walk the edits, the saved state is not modified",
       {{Op::kEdit, 10, 10, true, true, false},
        {Op::kEdit, 20, 20, true, true, false},
        {Op::kUndo, 0, 10, true, true, true},
        {Op::kUndo, 0, 0, false, false, true},
        {Op::kUndo, 0, 0, false, false, true},  // nothing left: unchanged
        {Op::kRedo, 0, 10, true, true, true},
        {Op::kRedo, 0, 20, true, true, false},
        {Op::kRedo, 0, 20, true, true, false}}},
      {"a new edit after an undo drops the redo steps",
       {{Op::kEdit, 10, 10, true, true, false},
        {Op::kUndo, 0, 0, false, false, true},
        {Op::kEdit, 30, 30, true, true, false},
        {Op::kRedo, 0, 30, true, true, false}}},
      {"a pending edit is recorded by the undo, which then undoes it",
       {{Op::kEdit, 10, 10, true, true, false},
        {Op::kPending, 15, 15, true, true, false},
        {Op::kUndo, 0, 10, true, true, true},
        {Op::kRedo, 0, 15, true, true, false}}},
      {"a pending edit after an undo drops the redo steps",
       {{Op::kEdit, 10, 10, true, true, false},
        {Op::kUndo, 0, 0, false, false, true},
        {Op::kPending, 5, 5, true, false, true},
        {Op::kRedo, 0, 5, true, true, false}}},
      {"the same value again is no step",
       {{Op::kEdit, 10, 10, true, true, false},
        {Op::kEdit, 10, 10, true, true, false},
        {Op::kUndo, 0, 0, false, false, true}}},
      {"saving moves the unmodified state, undo passes through it",
       {{Op::kEdit, 10, 10, true, true, false},
        {Op::kSave, 0, 10, false, true, false},
        {Op::kUndo, 0, 0, true, false, true},
        {Op::kRedo, 0, 10, false, true, false}}},
      {"a load clears both ways",
       {{Op::kEdit, 10, 10, true, true, false},
        {Op::kEdit, 20, 20, true, true, false},
        {Op::kUndo, 0, 10, true, true, true},
        {Op::kLoad, 0, 10, false, false, false},
        {Op::kUndo, 0, 10, false, false, false}}},
  };
  for (const auto& c : cases) {
    EditorLayout layout;
    EditHistory history;
    history.Reset(layout);
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      const Step& s = c.steps[i];
      switch (s.op) {
        case Op::kEdit:
          layout.objects[kEdSnap].left = s.value;
          history.Record(layout);
          break;
        case Op::kPending:
          layout.objects[kEdSnap].left = s.value;
          break;
        case Op::kUndo:
          history.Undo(layout);
          break;
        case Op::kRedo:
          history.Redo(layout);
          break;
        case Op::kSave:
          TakeSnapshot(layout);
          break;
        case Op::kLoad:
          TakeSnapshot(layout);
          history.Reset(layout);
          break;
      }
      EXPECT_EQ(std::make_tuple(layout.objects[kEdSnap].left, IsModified(layout), history.CanUndo(), history.CanRedo()),
                std::make_tuple(s.left, s.modified, s.canUndo, s.canRedo))
          << c.name << ", step " << i;
    }
  }
}

TEST(EditHistory, RestoresEveryFieldAndKeepsTheNewestSteps) {
  EditorLayout layout;
  layout.objects[kEdCustom1].scrollSpeedX = std::nanf("");  // a NaN from a file is no edit
  EditHistory history;
  history.Reset(layout);
  EXPECT_FALSE(history.Record(layout));
  const EditorLayout first = layout;
  layout.objects[kEdInfo].fontFace = "Liberation Sans";
  layout.objects[kEdInfo].order = 3;
  layout.objects[kEdBackGround].width = 1024;
  layout.settings.selectorMaxAlpha = 200;
  history.Record(layout);
  const EditorLayout second = layout;
  ASSERT_TRUE(history.Undo(layout));
  EXPECT_TRUE(SameState(StateOf(layout), StateOf(first)));
  ASSERT_TRUE(history.Redo(layout));
  EXPECT_TRUE(SameState(StateOf(layout), StateOf(second)));

  const int edits = int(EditHistory::kMaxSteps) + 50;
  for (int i = 1; i <= edits; ++i) {
    layout.objects[kEdSnap].left = i;
    history.Record(layout);
  }
  int undone = 0;
  while (history.Undo(layout)) ++undone;
  EXPECT_EQ(undone, int(EditHistory::kMaxSteps));
  EXPECT_GE(undone, 100);
  EXPECT_EQ(layout.objects[kEdSnap].left, edits - int(EditHistory::kMaxSteps));
}
