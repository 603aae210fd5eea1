// The combination of keys that ends a game when held: each key of it may be pressed on any
// keyboard or on a joystick button bound to the same action. Only presses seen while it is
// watched count, so a key already down when the game starts (the launch key, a key typed in
// the menu) never completes it.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace keytracker {

class HeldCombination {
 public:
  // Element i is the kernel key code keys[i] on any keyboard. Forgets what was held.
  void Set(const std::vector<int>& keys);
  // A joystick button that also stands for element `index`; nothing for an unknown index.
  void AddButton(int index, const std::string& node, int code);
  void Clear() { *this = {}; }
  bool Empty() const { return elements_.empty(); }
  // The buttons named by AddButton, as (node, code).
  std::vector<std::pair<std::string, int>> Buttons() const;

  // A key (node empty) or button event at nowMs; value 0 release, 1 press, 2 auto-repeat.
  void OnEvent(const std::string& node, int code, int value, std::int64_t nowMs);
  // How long every element has been down together; 0 when not (or when empty).
  std::int64_t HeldMs(std::int64_t nowMs) const;

 private:
  using Control = std::pair<std::string, int>;  // node ("" for any keyboard), code
  struct Element {
    std::vector<Control> controls;
  };
  bool AllDown() const;

  std::vector<Element> elements_;
  std::set<Control> down_;
  std::optional<std::int64_t> since_;
};

}  // namespace keytracker
