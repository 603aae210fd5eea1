#include "frontend/shell/held_keys.h"

#include <algorithm>

namespace shell {

bool HeldKeys::OnKeyDown(int keyCode) const {
  return std::find(held_.begin(), held_.end(), keyCode) == held_.end();
}

bool HeldKeys::OnKeyUp(int keyCode) { return std::erase(held_, keyCode) == 0; }

void HeldKeys::KeepOnly(const std::vector<int>& down) {
  std::erase_if(held_, [&](int key) { return std::find(down.begin(), down.end(), key) == down.end(); });
}

}  // namespace shell
