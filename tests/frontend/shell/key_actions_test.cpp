#include "frontend/shell/key_actions.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyActions, DefaultKeysMapToTheirActions) {
  const KeySettings k;
  EXPECT_EQ(ActionForKey(672, k, false), KeyAction::Down);
  EXPECT_EQ(ActionForKey(656, k, false), KeyAction::Up);
  EXPECT_EQ(ActionForKey(662, k, false), KeyAction::Left);
  EXPECT_EQ(ActionForKey(666, k, false), KeyAction::Right);
  EXPECT_EQ(ActionForKey(4, k, false), KeyAction::LaunchGame);
  EXPECT_EQ(ActionForKey(6, k, false), KeyAction::RandomGame);
  EXPECT_EQ(ActionForKey(58, k, false), KeyAction::Menu);
  EXPECT_EQ(ActionForKey(2, k, false), KeyAction::Quit);
  EXPECT_EQ(ActionForKey(64, k, false), KeyAction::VolumeDown);
  EXPECT_EQ(ActionForKey(68, k, false), KeyAction::VolumeUp);
  EXPECT_EQ(ActionForKey(38, k, false), KeyAction::NextMusic);
  EXPECT_EQ(ActionForKey(114, k, false), KeyAction::Infos);
  EXPECT_EQ(ActionForKey(999, k, false), KeyAction::MenuGen);  // Alt alone
  EXPECT_EQ(ActionForKey(60, k, false), KeyAction::Rotate);
  EXPECT_EQ(ActionForKey(62, k, false), KeyAction::Favourites);
  EXPECT_EQ(ActionForKey(106, k, false), KeyAction::Search);  // "/"
  EXPECT_EQ(ActionForKey(106, k, true), KeyAction::None);     // not over the information panel
  EXPECT_EQ(ActionForKey(100, k, false), KeyAction::None);
  EXPECT_EQ(ActionForKey(0, k, false), KeyAction::None);
}

TEST(KeyActions, AKeyAssignedTwiceActsOnlyAsTheFirstInTheOrder) {
  KeySettings k;
  k.favourites = k.down;  // Down comes before JeuxFavoris
  EXPECT_EQ(ActionForKey(k.down, k, false), KeyAction::Down);
  k.quit = k.infos;       // Infos comes before Quit
  EXPECT_EQ(ActionForKey(k.infos, k, false), KeyAction::Infos);
  k = KeySettings{};
  k.randomGame = k.launchGame;
  EXPECT_EQ(ActionForKey(k.launchGame, k, false), KeyAction::LaunchGame);
}

TEST(KeyActions, UnassignedKeysNeverMatch) {
  KeySettings k;
  k.rotate = 0;
  EXPECT_EQ(ActionForKey(0, k, false), KeyAction::None);
  EXPECT_EQ(ActionForKey(60, k, false), KeyAction::None);
}

TEST(KeyActions, OpenInfoPanelLetsOnlyInfosUpDownAndQuitAct) {
  const KeySettings k;
  EXPECT_EQ(ActionForKey(k.infos, k, true), KeyAction::Infos);
  EXPECT_EQ(ActionForKey(k.up, k, true), KeyAction::Up);
  EXPECT_EQ(ActionForKey(k.down, k, true), KeyAction::Down);
  EXPECT_EQ(ActionForKey(k.quit, k, true), KeyAction::Infos);  // Quit closes the panel
  EXPECT_EQ(ActionForKey(k.left, k, true), KeyAction::None);
  EXPECT_EQ(ActionForKey(k.right, k, true), KeyAction::None);
  EXPECT_EQ(ActionForKey(k.launchGame, k, true), KeyAction::None);
  EXPECT_EQ(ActionForKey(k.menuGen, k, true), KeyAction::None);
  EXPECT_EQ(ActionForKey(123, k, true), KeyAction::None);
}

TEST(KeyActions, UnassignedQuitMakesAnyOtherKeyCloseTheInfoPanel) {
  KeySettings k;
  k.quit = 0;
  EXPECT_EQ(ActionForKey(k.left, k, true), KeyAction::Infos);
  EXPECT_EQ(ActionForKey(k.launchGame, k, true), KeyAction::Infos);
  EXPECT_EQ(ActionForKey(555, k, true), KeyAction::Infos);
  EXPECT_EQ(ActionForKey(k.up, k, true), KeyAction::Up);
  EXPECT_EQ(ActionForKey(k.down, k, true), KeyAction::Down);
}

TEST(KeyActions, QuitSharedWithAScrollKeyClosesTheInfoPanel) {
  KeySettings k;
  k.quit = k.down;
  EXPECT_EQ(ActionForKey(k.down, k, true), KeyAction::Infos);
  EXPECT_EQ(ActionForKey(k.down, k, false), KeyAction::Quit);  // Quit comes before Down
}

}  // namespace
