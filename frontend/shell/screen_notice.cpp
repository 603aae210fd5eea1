#include "frontend/shell/screen_notice.h"

#include "frontend/shell/loop_timing.h"

namespace shell {

void ShowScreenNotice(ScreenNotice& notice, std::string& shownText, std::string text, std::uint32_t now,
                      std::uint32_t ms) {
  if (notice.text.empty()) notice.lasting = shownText;
  notice.text = std::move(text);
  notice.until = now + ms;
  shownText = notice.text;
}

bool DismissScreenNotice(ScreenNotice& notice, std::string& shownText) {
  if (notice.text.empty()) return false;
  notice.text.clear();
  shownText = std::move(notice.lasting);
  notice.lasting.clear();
  return true;
}

bool ExpireScreenNotice(ScreenNotice& notice, std::string& shownText, std::uint32_t now) {
  if (notice.text.empty() || !TickReached(now, notice.until)) return false;
  return DismissScreenNotice(notice, shownText);
}

}  // namespace shell
