// What a hook is told: the event and the game it concerns, as environment variables (a
// hook gets no arguments, so nothing in a game's name can become an option).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace shell {

inline constexpr const char* kHookStartup = "startup";
inline constexpr const char* kHookQuit = "quit";
inline constexpr const char* kHookConfigChanged = "config-changed";
inline constexpr const char* kHookGameSelected = "game-selected";
inline constexpr const char* kHookGameStart = "game-start";
inline constexpr const char* kHookGameEnd = "game-end";
inline constexpr const char* kHookScreensaverStart = "screensaver-start";
inline constexpr const char* kHookScreensaverEnd = "screensaver-end";

struct HookContext {
  std::string event;
  std::string configuration;  // the configuration's name
  std::string game;           // the ROM name; "" when there is no game
  std::string gameName;       // its full name
  std::string rom;            // the ROM file's path
  std::string emulator;       // the emulator program's path
  std::optional<int> coins;   // the coins put in during the game (game-end only)
};

// The variables, "NAME=value", in the order a reader of the guide finds them; ORVANEL_COINS
// only when the context has coins. Values are the settings' and the list's bytes as they are.
std::vector<std::string> HookVariables(const HookContext& context);

}  // namespace shell
