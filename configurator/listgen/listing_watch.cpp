#include "configurator/listgen/listing_watch.h"

namespace cfg {
namespace {

// The longest tag name looked for ("machine") with its '<' and the byte after the name.
constexpr std::size_t kLongestStart = 9;

bool EndsName(char c) { return c == ' ' || c == '>' || c == '/' || c == '\t' || c == '\r' || c == '\n'; }

// True when `text` at `at` starts the element `name` ("<name" then a blank, '>' or '/').
bool StartsElement(std::string_view text, std::size_t at, std::string_view name) {
  return text.compare(at + 1, name.size(), name) == 0 && EndsName(text[at + 1 + name.size()]);
}

}  // namespace

void ListingWatch::Feed(std::string_view piece) {
  std::string text = std::move(tail_);
  text.append(piece);
  // A '<' closer to the end than the longest start waits for the next piece.
  const std::size_t scanEnd = text.size() >= kLongestStart ? text.size() - kLongestStart + 1 : 0;
  std::size_t at = text.find('<');
  for (; at != std::string::npos && at < scanEnd; at = text.find('<', at + 1)) {
    if (StartsElement(text, at, "machine") || StartsElement(text, at, "game")) ++machines_;
    // The root is the first element that is not a declaration, a comment or a DOCTYPE.
    if (!rootSeen_ && text[at + 1] != '?' && text[at + 1] != '!') {
      rootSeen_ = true;
      mame_ = StartsElement(text, at, "mame");
    }
  }
  tail_ = text.substr(scanEnd);
}

}  // namespace cfg
