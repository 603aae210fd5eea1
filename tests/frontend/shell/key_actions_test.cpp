#include "frontend/shell/key_actions.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using shell::ActionForKey;
using shell::KeyAction;

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
  EXPECT_EQ(ActionForKey(100, k, false), KeyAction::None);
  EXPECT_EQ(ActionForKey(0, k, false), KeyAction::None);
}

// Shared keys, unassigned keys and the information panel's narrower set, one row each:
// the settings as changed, the key pressed, whether the panel is open, what it does.
TEST(KeyActions, SharedUnassignedAndInfoPanelKeys) {
  using Edit = std::function<void(KeySettings&)>;
  const Edit none = [](KeySettings&) {};
  struct Row {
    const char* what;
    Edit edit;
    int KeySettings::*key;  // nullptr: `code` below
    int code;
    bool panel;
    KeyAction expected;
  };
  const Row rows[] = {
      {"Down comes before JeuxFavoris", [](KeySettings& k) { k.favourites = k.down; },
       &KeySettings::down, 0, false, KeyAction::Down},
      {"Infos comes before Quit", [](KeySettings& k) { k.quit = k.infos; }, &KeySettings::infos,
       0, false, KeyAction::Infos},
      {"LaunchGame comes before RandomGame", [](KeySettings& k) { k.randomGame = k.launchGame; },
       &KeySettings::launchGame, 0, false, KeyAction::LaunchGame},
      {"Quit comes before Down", [](KeySettings& k) { k.quit = k.down; }, &KeySettings::down, 0,
       false, KeyAction::Quit},
      {"an unassigned key never matches 0", [](KeySettings& k) { k.rotate = 0; }, nullptr, 0,
       false, KeyAction::None},
      {"an unassigned key frees its code", [](KeySettings& k) { k.rotate = 0; }, nullptr, 60,
       false, KeyAction::None},
      {"panel: Infos", none, &KeySettings::infos, 0, true, KeyAction::Infos},
      {"panel: Up", none, &KeySettings::up, 0, true, KeyAction::Up},
      {"panel: Down", none, &KeySettings::down, 0, true, KeyAction::Down},
      {"panel: Quit closes it", none, &KeySettings::quit, 0, true, KeyAction::Infos},
      {"panel: Left", none, &KeySettings::left, 0, true, KeyAction::None},
      {"panel: Right", none, &KeySettings::right, 0, true, KeyAction::None},
      {"panel: LaunchGame", none, &KeySettings::launchGame, 0, true, KeyAction::None},
      {"panel: MenuGen", none, &KeySettings::menuGen, 0, true, KeyAction::None},
      {"panel: Search", none, &KeySettings::search, 0, true, KeyAction::None},
      {"panel: a code no key has", none, nullptr, 123, true, KeyAction::None},
      {"panel, Quit unassigned: Left closes it", [](KeySettings& k) { k.quit = 0; },
       &KeySettings::left, 0, true, KeyAction::Infos},
      {"panel, Quit unassigned: LaunchGame closes it", [](KeySettings& k) { k.quit = 0; },
       &KeySettings::launchGame, 0, true, KeyAction::Infos},
      {"panel, Quit unassigned: any code closes it", [](KeySettings& k) { k.quit = 0; }, nullptr,
       555, true, KeyAction::Infos},
      {"panel, Quit unassigned: Up still scrolls", [](KeySettings& k) { k.quit = 0; },
       &KeySettings::up, 0, true, KeyAction::Up},
      {"panel, Quit unassigned: Down still scrolls", [](KeySettings& k) { k.quit = 0; },
       &KeySettings::down, 0, true, KeyAction::Down},
      {"panel, Quit shared with Down: closes it", [](KeySettings& k) { k.quit = k.down; },
       &KeySettings::down, 0, true, KeyAction::Infos},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    KeySettings k;
    row.edit(k);
    const int code = row.key ? k.*row.key : row.code;
    EXPECT_EQ(ActionForKey(code, k, row.panel), row.expected);
  }
}

}  // namespace
