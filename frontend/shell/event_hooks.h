// Running the owner's event hooks: one event's hooks one after the other, each in its own
// process group, no shell, no argument, the event in its environment, its output into
// debug.txt. They run beside the menu: the main loop reaps them and starts the next
// (StepHooks), and ends any that outlives kHookLimitMs.
#pragma once

#include "frontend/shell/hook_environment.h"
#include "frontend/shell/hook_state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace shell {

inline constexpr std::uint32_t kHookLimitMs = 5000;
// The launch waits this long for the game-start hooks (a restrictor, a panel's lights set
// before the game), and the end of the program for the quit hooks.
inline constexpr std::uint32_t kHookWaitMs = 2000;
// How often the loop looks at hooks still running (they end without an event).
inline constexpr std::uint32_t kHookLookMs = 100;

// Starts the first hook of context.event in the installation `baseDirectory` (the
// installation's folder, then the configuration's); StepHooks starts the others in turn. A
// file that cannot run is skipped, and logged once per run of the program.
void StartHooks(HookState& hooks, const std::string& baseDirectory, const HookContext& context);

// Reads what the running hooks wrote, reaps those that ended (and starts the next of their
// event), ends those past their limit. Never waits.
void StepHooks(HookState& hooks, std::uint32_t now);

// Spends a pause of the frontend's (the launch's) keeping the hooks going: the next hook of
// an event starts as soon as the one before it ends.
void PauseWithHooks(HookState& hooks, std::uint32_t pauseMs);

// When StepHooks is next due: nothing while no hook runs.
std::optional<std::uint32_t> HooksDue(const HookState& hooks, std::uint32_t now);

// Waits for the hooks of `event` to end, up to limitMs after the event came; those left
// then go on in the background.
void WaitForHooks(HookState& hooks, std::string_view event, std::uint32_t limitMs);

// Waits up to limitMs for every hook still running to end: the quit hooks then come after
// them (a panel's lights are switched off after, not before, the screensaver's end set them).
void WaitForRunningHooks(HookState& hooks, std::uint32_t limitMs);

// Ends every hook still running and starts no other (the program is ending and can no
// longer time them).
void EndHooks(HookState& hooks);

}  // namespace shell
