// Leaving a game from the panel: the keys of [Touches] SortieJeu (QuitKey alone when empty)
// held together for [General] SortieJeuDelai ms end the emulator, whatever it does with the
// keyboard. The key tracker watches them from the devices (or the X server's raw events),
// so a grabbed keyboard or a missing desktop changes nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frontend/shell/pad_actions.h"
#include "settings/settings.h"

namespace shell {

struct GameExitCombination {
  std::vector<int> keyCodes;  // the settings' KeyCodes, one per key held
  // Joystick buttons bound to the same actions: buttons[i] stand for keyCodes[i].
  std::vector<std::vector<PadButton>> buttons;
  std::uint32_t delayMs = 0;
};

// What the settings ask for; nothing when SortieJeuDelai is 0 or below. An unreadable
// SortieJeu falls back to QuitKey alone, and `problem` says so for the log.
std::optional<GameExitCombination> GameExitOf(const Settings& s, const std::vector<PadDevice>& devices,
                                              std::string* problem);

// Names the combination to the key tracker, before KeyTrackerInit. False (and `problem`
// set) when a key of it has no kernel key code, so it could never be held.
bool WatchGameExit(const GameExitCombination& exit, std::string* problem);

// How long to wait before the next look at the combination: `pollMs` while it is not held,
// else the rest of the delay (0: end the game now).
std::uint32_t UntilGameExit(const GameExitCombination& exit, unsigned long heldMs, std::uint32_t pollMs);

}  // namespace shell
