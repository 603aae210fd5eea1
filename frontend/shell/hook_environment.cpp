#include "frontend/shell/hook_environment.h"

namespace shell {

std::vector<std::string> HookVariables(const HookContext& c) {
  std::vector<std::string> v{
      "ORVANEL_EVENT=" + c.event, "ORVANEL_CONFIG=" + c.configuration, "ORVANEL_GAME=" + c.game,
      "ORVANEL_GAME_NAME=" + c.gameName, "ORVANEL_ROM=" + c.rom, "ORVANEL_EMULATOR=" + c.emulator,
  };
  if (c.coins) v.push_back("ORVANEL_COINS=" + std::to_string(*c.coins));
  return v;
}

}  // namespace shell
