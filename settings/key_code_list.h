// Settings that name several panel keys at once write their KeyCodes joined by '+'
// ("672+672"): the kiosk lock's secret sequence and the combination that ends a game.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace settings {

// "672+672" -> {672, 672}. Blanks around the codes are allowed. Empty text: an empty list.
// Nothing when the text holds anything else (a name, a missing code, 0, a sign), so a
// typing mistake is never read as some other set of keys.
std::optional<std::vector<int>> ParseKeyCodeList(std::string_view text);

}  // namespace settings
