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
      const std::string rom = "rom" + std::to_string(i);
      gCatalogue.games.entries.push_back({rom, rom, "", "", "", "", ""});
      gCatalogue.games.displayOrder.push_back(n - 1 - i);
    }
    gCatalogue.games.entryCount = n;
  }
};

TEST_F(Navigation, SelectedEntryGoesThroughTheDisplayOrder) {
  LoadReversed(5);
  gRender.layout.listNbItems = 3;  // circular
  ASSERT_EQ(SelectPosition(shell::gShell.listWindow, shell::gCatalogue, gRender, 1), 1);
  ASSERT_TRUE(SelectedEntry(shell::gShell.listWindow, shell::gCatalogue));
  EXPECT_EQ(SelectedEntry(shell::gShell.listWindow, shell::gCatalogue)->romName, "rom3");
  ASSERT_EQ(MoveSelectionUp(shell::gShell.listWindow, shell::gCatalogue, gRender), 1);
  EXPECT_EQ(SelectedPosition(shell::gShell.listWindow, shell::gCatalogue), 0);
  EXPECT_EQ(SelectedEntry(shell::gShell.listWindow, shell::gCatalogue)->romName, "rom4");
}

TEST_F(Navigation, ModeFollowsTheLayoutRowsAtEveryMove) {
  LoadReversed(5);
  gRender.layout.listNbItems = 9;
  SelectPosition(shell::gShell.listWindow, shell::gCatalogue, gRender, 0);
  EXPECT_EQ(MoveSelectionUp(shell::gShell.listWindow, shell::gCatalogue, gRender), 0);  // bounded: nothing above the first entry
  gRender.layout.listNbItems = 3;
  EXPECT_EQ(MoveSelectionUp(shell::gShell.listWindow, shell::gCatalogue, gRender), 1);  // circular now: the page wraps, the selection on the middle line
  EXPECT_EQ(gShell.listWindow.topIndex, 4);
  EXPECT_EQ(gShell.listWindow.row, 1);
}

TEST_F(Navigation, EmptyListHasNoSelectedEntry) {
  gRender.layout.listNbItems = 9;
  EXPECT_FALSE(SelectedEntry(shell::gShell.listWindow, shell::gCatalogue));
  EXPECT_EQ(SelectPosition(shell::gShell.listWindow, shell::gCatalogue, gRender, 0), 0);
  EXPECT_EQ(MoveSelectionDown(shell::gShell.listWindow, shell::gCatalogue, gRender), 0);
}

}  // namespace
