#include "frontend/shell/game_exit.h"

#include <algorithm>

#include "frontend/shell/key_actions.h"
#include "keytracker/key_tracker.h"
#include "platform/joysticks.h"
#include "platform/keycodes.h"
#include "settings/key_code_list.h"

namespace shell {

std::optional<GameExitCombination> GameExitOf(const Settings& s, const std::vector<PadDevice>& devices,
                                              std::string* problem) {
  if (s.sortieJeuDelai <= 0) return std::nullopt;
  GameExitCombination exit;
  exit.delayMs = static_cast<std::uint32_t>(s.sortieJeuDelai);
  const auto codes = settings::ParseKeyCodeList(s.sortieJeu);
  if (codes && !codes->empty()) {
    exit.keyCodes = *codes;
  } else {
    if (!codes && problem) *problem = "SortieJeu illisible (" + s.sortieJeu + ") : touche Quitter seule";
    exit.keyCodes = {s.keys.quit};
  }
  const PadBindings bindings = ParsePadSettings(s.pads);
  for (int code : exit.keyCodes)
    exit.buttons.push_back(PadButtonsOfAction(bindings, ActionForKey(code, s.keys, false), devices));
  return exit;
}

bool WatchGameExit(const GameExitCombination& exit, std::string* problem) {
  std::vector<int> linuxKeys;
  for (int code : exit.keyCodes) {
    const int key = platform::LinuxKeyFromKeyCode(code);
    if (key <= 0) {
      if (problem) *problem = "SortieJeu : la touche " + std::to_string(code) + " ne peut pas \xEAtre surveill\xE9" "e";
      return false;
    }
    linuxKeys.push_back(key);
  }
  KeyTrackerWatchCombination(linuxKeys.data(), static_cast<int>(linuxKeys.size()));
  for (std::size_t i = 0; i < exit.buttons.size(); ++i) {
    for (const PadButton& b : exit.buttons[i]) {
      const int code = platform::JoystickButtonCode(b.node, b.button);
      if (code >= 0) KeyTrackerWatchCombinationButton(static_cast<int>(i), b.node.c_str(), code);
    }
  }
  return true;
}

std::uint32_t UntilGameExit(const GameExitCombination& exit, unsigned long heldMs, std::uint32_t pollMs) {
  if (heldMs == 0) return pollMs;
  if (heldMs >= exit.delayMs) return 0;
  return std::min<std::uint32_t>(pollMs, exit.delayMs - static_cast<std::uint32_t>(heldMs));
}

}  // namespace shell
