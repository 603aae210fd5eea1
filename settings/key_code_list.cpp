#include "settings/key_code_list.h"

#include <charconv>

namespace settings {
namespace {

std::string_view Trim(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<std::vector<int>> ParseKeyCodeList(std::string_view text) {
  std::vector<int> codes;
  text = Trim(text);
  if (text.empty()) return codes;
  for (;;) {
    const auto plus = text.find('+');
    const std::string_view part = Trim(text.substr(0, plus));
    int code = 0;
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), code);
    if (part.empty() || error != std::errc() || end != part.data() + part.size() || code <= 0) return std::nullopt;
    codes.push_back(code);
    if (plus == std::string_view::npos) break;
    text.remove_prefix(plus + 1);
  }
  return codes;
}

}  // namespace settings
