#include "catalogue/catalogue_state.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/wiring_render_state.h"

#include <gtest/gtest.h>

#include "catalogue/game_list.h"
#include "render/layout.h"
#include "render/render_reset.h"
#include "render/render_state.h"
#include "frontend/shell/shell_state.h"

using render::ResetRenderState;
using shell::MoveSelectionDown;
using shell::MoveSelectionUp;
using shell::ResetShellState;
using shell::SelectPosition;
using shell::SelectedEntry;
using shell::SelectedPosition;
using shell::gCatalogue;
using shell::gShell;

using catalogue::GameEntry;

namespace {

class Navigation : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellState();
    ResetRenderState(gRender);
  }
  void TearDown() override { SetUp(); }

  // Entries in file order; the display order reverses them.
  static void LoadReversed(int n) {
    for (int i = 0; i < n; ++i) {
      GameEntry e;
      e.romName = "rom" + std::to_string(i);
      e.fullName = e.romName;
      gCatalogue.games.entries.push_back(e);
      gCatalogue.games.displayOrder.push_back(n - 1 - i);
    }
    gCatalogue.games.entryCount = n;
  }
};

TEST_F(Navigation, SelectedEntryGoesThroughTheDisplayOrder) {
  LoadReversed(5);
  gRender.layout.listNbItems = 3;  // circular
  ASSERT_EQ(SelectPosition(1), 1);
  ASSERT_NE(SelectedEntry(), nullptr);
  EXPECT_EQ(SelectedEntry()->romName, "rom3");
  ASSERT_EQ(MoveSelectionUp(), 1);
  EXPECT_EQ(SelectedPosition(), 0);
  EXPECT_EQ(SelectedEntry()->romName, "rom4");
}

TEST_F(Navigation, ModeFollowsTheLayoutRowsAtEveryMove) {
  LoadReversed(5);
  gRender.layout.listNbItems = 9;
  SelectPosition(0);
  EXPECT_EQ(MoveSelectionUp(), 0);  // bounded: nothing above the first entry
  gRender.layout.listNbItems = 3;
  EXPECT_EQ(MoveSelectionUp(), 1);  // circular now: the page wraps, the selection on the middle line
  EXPECT_EQ(gShell.listWindow.topIndex, 4);
  EXPECT_EQ(gShell.listWindow.row, 1);
}

TEST_F(Navigation, EmptyListHasNoSelectedEntry) {
  gRender.layout.listNbItems = 9;
  EXPECT_EQ(SelectedEntry(), nullptr);
  EXPECT_EQ(SelectPosition(0), 0);
  EXPECT_EQ(MoveSelectionDown(), 0);
}

}  // namespace
