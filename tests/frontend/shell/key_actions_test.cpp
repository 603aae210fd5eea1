#include "frontend/shell/key_actions.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// Each key of the settings (its code comes from the settings' own defaults) acts as its
// action; a code no key has does nothing.
TEST(KeyActions, EachKeyOfTheSettingsMapsToItsAction) {
  const KeySettings k;
  const std::pair<int KeySettings::*, KeyAction> table[] = {
      {&KeySettings::down, KeyAction::Down},
      {&KeySettings::up, KeyAction::Up},
      {&KeySettings::left, KeyAction::Left},
      {&KeySettings::right, KeyAction::Right},
      {&KeySettings::launchGame, KeyAction::LaunchGame},
      {&KeySettings::randomGame, KeyAction::RandomGame},
      {&KeySettings::menu, KeyAction::Menu},
      {&KeySettings::quit, KeyAction::Quit},
      {&KeySettings::volumeDown, KeyAction::VolumeDown},
      {&KeySettings::volumeUp, KeyAction::VolumeUp},
      {&KeySettings::nextMusic, KeyAction::NextMusic},
      {&KeySettings::infos, KeyAction::Infos},
      {&KeySettings::menuGen, KeyAction::MenuGen},
      {&KeySettings::rotate, KeyAction::Rotate},
      {&KeySettings::favourites, KeyAction::Favourites},
      {&KeySettings::search, KeyAction::Search},
  };
  for (const auto& [member, action] : table) {
    SCOPED_TRACE(k.*member);
    EXPECT_EQ(ActionForKey(k.*member, k, false), action);
  }
  EXPECT_EQ(ActionForKey(k.search, k, true), KeyAction::None);  // not over the information panel
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
