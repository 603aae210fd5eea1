// The game-selected hooks run once the selection has rested, not for every game a held
// key scrolls past.
#pragma once

#include "frontend/shell/hook_state.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace shell {

inline constexpr std::uint32_t kSelectionRestMs = 300;

// Notes the selection of this pass (its configuration and ROM name; "" for none). True
// when the hooks are due now: it has been the selection for kSelectionRestMs, differs from
// the last one announced, and is not empty. The caller then runs them; it is announced.
bool SelectionRested(SelectionDebounce& d, std::string_view selection, std::uint32_t now);

// When the current selection will have rested, while it waits to be announced.
std::optional<std::uint32_t> SelectionRestDue(const SelectionDebounce& d);

}  // namespace shell
