#include "frontend/shell/kiosk_lock.h"

#include <charconv>

std::optional<std::vector<int>> ParseLockSequence(std::string_view text) {
  std::vector<int> codes;
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  if (text.empty()) return codes;
  for (;;) {
    const auto plus = text.find('+');
    std::string_view part = text.substr(0, plus);
    while (!part.empty() && blank(part.front())) part.remove_prefix(1);
    while (!part.empty() && blank(part.back())) part.remove_suffix(1);
    int code = 0;
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), code);
    if (part.empty() || error != std::errc() || end != part.data() + part.size() || code <= 0) return std::nullopt;
    codes.push_back(code);
    if (plus == std::string_view::npos) break;
    text.remove_prefix(plus + 1);
  }
  return codes;
}

LockStep StepKioskLock(KioskLockState& state, const std::optional<std::vector<int>>& sequence, int code,
                       bool isQuit, std::uint32_t now) {
  if (sequence && sequence->empty()) return LockStep::kPass;  // no lock
  if (state.armed && now - state.armedAt > kLockWindowMs) state = {};
  // The next key of the sequence counts before QuitKey re-arms, so a sequence may use it.
  if (state.armed && sequence && code == (*sequence)[state.matched]) {
    if (++state.matched < sequence->size()) return LockStep::kSwallow;
    state = {};
    return LockStep::kQuit;
  }
  if (isQuit) {
    state = {true, now, 0};
    return LockStep::kSwallow;
  }
  // A wrong key ends the try and acts as always (MenuGenKey, configuration switches, moves).
  state = {};
  return LockStep::kPass;
}
