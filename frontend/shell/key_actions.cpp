#include "frontend/shell/key_actions.h"

#include <array>
#include <utility>

namespace shell {

namespace {

int FilterForInfoPanel(int code, const KeySettings& keys) {
  if (code == keys.quit) return keys.infos;
  if (code == keys.infos || code == keys.down || code == keys.up) return code;
  return keys.quit == 0 ? keys.infos : 0;
}

}  // namespace

KeyAction ActionForKey(int code, const KeySettings& keys, bool infoPanelOpen) {
  if (code <= 0) return KeyAction::None;
  if (infoPanelOpen) code = FilterForInfoPanel(code, keys);
  if (code <= 0) return KeyAction::None;
  const std::array<std::pair<int, KeyAction>, 16> order{{
      {keys.infos, KeyAction::Infos},
      {keys.launchGame, KeyAction::LaunchGame},
      {keys.quit, KeyAction::Quit},
      {keys.left, KeyAction::Left},
      {keys.right, KeyAction::Right},
      {keys.up, KeyAction::Up},
      {keys.down, KeyAction::Down},
      {keys.randomGame, KeyAction::RandomGame},
      {keys.menu, KeyAction::Menu},
      {keys.menuGen, KeyAction::MenuGen},
      {keys.volumeDown, KeyAction::VolumeDown},
      {keys.volumeUp, KeyAction::VolumeUp},
      {keys.nextMusic, KeyAction::NextMusic},
      {keys.rotate, KeyAction::Rotate},
      {keys.favourites, KeyAction::Favourites},
      {keys.search, KeyAction::Search},
  }};
  for (const auto& [key, action] : order) {
    if (code == key) return action;
  }
  return KeyAction::None;
}

}  // namespace shell
