// Where the shell's moments become hook events: the context each event is told, from the
// settings and the list, and the game-selected hooks of a selection that has rested.
#pragma once

#include "catalogue/catalogue_state.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace shell {

struct Shell;

// Starts the hooks of `event` about the game `romName`, or the selected game when it is
// empty; coins only at game-end.
void FireHooks(Shell& shell, const catalogue::CatalogueState& catalogue, std::string_view event,
               std::string_view romName = {}, std::optional<int> coins = std::nullopt);

// The main loop's look at the hooks: the game-selected hooks once the selection rests,
// then the running hooks reaped and timed. Never waits.
void HookStep(Shell& shell, const catalogue::CatalogueState& catalogue, std::uint32_t now);

// When HookStep is next due; nothing when neither a selection nor a hook waits.
std::optional<std::uint32_t> HookStepDue(const Shell& shell, std::uint32_t now);

// screensaver-start, and the screensaver-end it owes when the menu comes back (only once).
void FireScreensaverStart(Shell& shell, const catalogue::CatalogueState& catalogue);
void FireScreensaverEnd(Shell& shell, const catalogue::CatalogueState& catalogue);

}  // namespace shell
