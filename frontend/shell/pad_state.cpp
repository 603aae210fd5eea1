#include "frontend/shell/pad_state.h"

#include <algorithm>

namespace shell {

namespace {

using settings::PadControl;
using Kind = PadControl::Kind;

constexpr int kPressAt = 16384;   // half the range
constexpr int kReleaseAt = 8192;  // a quarter
constexpr int kHatBits[] = {1, 2, 4, 8};

bool Contains(const std::vector<PadControl>& v, const PadControl& c) {
  return std::find(v.begin(), v.end(), c) != v.end();
}

template <typename T>
T& Slot(std::vector<T>& v, int index) {
  if (static_cast<std::size_t>(index) >= v.size()) v.resize(static_cast<std::size_t>(index) + 1);
  return v[static_cast<std::size_t>(index)];
}

}  // namespace

PadState::PadState(const std::vector<int>& axes, const std::vector<int>& hats, const std::vector<bool>& buttons) {
  for (std::size_t i = 0; i < axes.size(); ++i) Axis(static_cast<int>(i), axes[i]);
  for (std::size_t i = 0; i < hats.size(); ++i) Hat(static_cast<int>(i), hats[i]);
  for (std::size_t i = 0; i < buttons.size(); ++i) Button(static_cast<int>(i), buttons[i]);
  latched_ = held_;
  held_.clear();
}

void PadState::Set(const PadControl& c, bool down, std::vector<PadEdge>& edges) {
  if (down) {
    if (Contains(held_, c) || Contains(latched_, c)) return;
    held_.push_back(c);
  } else {
    if (std::erase(latched_, c) > 0) return;
    if (std::erase(held_, c) == 0) return;
  }
  edges.push_back({c, down});
}

std::vector<PadEdge> PadState::Button(int index, bool down) {
  std::vector<PadEdge> edges;
  if (index >= 0) Set({Kind::Button, index, 0}, down, edges);
  return edges;
}

std::vector<PadEdge> PadState::Hat(int index, int bits) {
  std::vector<PadEdge> edges;
  if (index < 0) return edges;
  int& old = Slot(hats_, index);
  // Releases first, so a roll from one direction to the next reads as the key of each.
  for (int bit : kHatBits)
    if ((old & bit) && !(bits & bit)) Set({Kind::Hat, index, bit}, false, edges);
  for (int bit : kHatBits)
    if (!(old & bit) && (bits & bit)) Set({Kind::Hat, index, bit}, true, edges);
  old = bits;
  return edges;
}

int PadState::AxisDirection(int value, int held) {
  if (value <= -kPressAt) return -1;
  if (value >= kPressAt) return +1;
  if (held < 0 && value <= -kReleaseAt) return -1;
  if (held > 0 && value >= kReleaseAt) return +1;
  return 0;
}

std::vector<PadEdge> PadState::Axis(int index, int value) {
  std::vector<PadEdge> edges;
  if (index < 0) return edges;
  int& old = Slot(axes_, index);
  const int now = AxisDirection(value, old);
  if (now == old) return edges;
  if (old != 0) Set({Kind::Axis, index, old}, false, edges);
  if (now != 0) Set({Kind::Axis, index, now}, true, edges);
  old = now;
  return edges;
}

}  // namespace shell
