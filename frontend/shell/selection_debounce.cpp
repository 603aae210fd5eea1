#include "frontend/shell/selection_debounce.h"

#include "frontend/shell/loop_timing.h"

namespace shell {

bool SelectionRested(SelectionDebounce& d, std::string_view selection, std::uint32_t now) {
  if (selection != d.seen) {
    d.seen = selection;
    d.seenTick = now;
  }
  if (d.seen.empty() || d.seen == d.announced || !TickReached(now, d.seenTick + kSelectionRestMs)) return false;
  d.announced = d.seen;
  return true;
}

std::optional<std::uint32_t> SelectionRestDue(const SelectionDebounce& d) {
  if (d.seen.empty() || d.seen == d.announced) return std::nullopt;
  return d.seenTick + kSelectionRestMs;
}

}  // namespace shell
