#include "keytracker/held_combination.h"

#include <algorithm>

namespace keytracker {

void HeldCombination::Set(const std::vector<int>& keys) {
  Clear();
  for (int key : keys) elements_.push_back({{Control{std::string(), key}}});
}

void HeldCombination::AddButton(int index, const std::string& node, int code) {
  if (index < 0 || static_cast<std::size_t>(index) >= elements_.size() || node.empty()) return;
  elements_[static_cast<std::size_t>(index)].controls.push_back({node, code});
}

std::vector<std::pair<std::string, int>> HeldCombination::Buttons() const {
  std::vector<Control> out;
  for (const Element& e : elements_)
    for (const Control& c : e.controls)
      if (!c.first.empty()) out.push_back(c);
  return out;
}

bool HeldCombination::AllDown() const {
  return !elements_.empty() && std::all_of(elements_.begin(), elements_.end(), [this](const Element& e) {
    return std::any_of(e.controls.begin(), e.controls.end(), [this](const Control& c) { return down_.count(c) != 0; });
  });
}

void HeldCombination::OnEvent(const std::string& node, int code, int value, std::int64_t nowMs) {
  if (value == 2 || elements_.empty()) return;  // a repeat is no new press
  const Control control{node, code};
  const bool named = std::any_of(elements_.begin(), elements_.end(), [&](const Element& e) {
    return std::find(e.controls.begin(), e.controls.end(), control) != e.controls.end();
  });
  if (!named) return;
  if (value == 0) down_.erase(control);
  else down_.insert(control);
  if (!AllDown()) since_.reset();
  else if (!since_) since_ = nowMs;
}

std::int64_t HeldCombination::HeldMs(std::int64_t nowMs) const {
  if (!since_) return 0;
  return std::max<std::int64_t>(nowMs - *since_, 1);  // held at all: never 0
}

}  // namespace keytracker
