// A message the menu shows over its frames for a few seconds (a game that would not start,
// a name it refused to launch), dismissed early by any panel key. A lasting notice (the
// input devices it cannot read) comes back once it is gone.
#pragma once

#include <cstdint>
#include <string>

namespace shell {

struct ScreenNotice {
  std::string text;       // shown now; empty: none
  std::uint32_t until = 0;
  std::string lasting;    // the notice that was there before, shown again afterwards
};

constexpr std::uint32_t kScreenNoticeMs = 6000;

// Shows `text` from now for `ms` milliseconds.
void ShowScreenNotice(ScreenNotice& notice, std::string& shownText, std::string text, std::uint32_t now,
                      std::uint32_t ms = kScreenNoticeMs);
// Takes the notice away once its time is over. True when it did (a frame must show it).
bool ExpireScreenNotice(ScreenNotice& notice, std::string& shownText, std::uint32_t now);
// Takes the notice away at once. True when there was one: the key that did it does nothing else.
bool DismissScreenNotice(ScreenNotice& notice, std::string& shownText);

}  // namespace shell
