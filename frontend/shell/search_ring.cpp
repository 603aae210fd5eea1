#include "frontend/shell/search_ring.h"

#include <algorithm>
#include <cstdlib>
#include <array>
#include <string_view>

#include "platform/text.h"
#include "platform/utf8.h"

namespace shell {

using catalogue::GameList;

namespace {

// The Latin-1 letters with accents, U+00C0-U+00FF, as their plain lower-case letters.
constexpr std::string_view kLatin1Folded = "aaaaaaaceeeeiiiidnooooo*ouuuuyts" "aaaaaaaceeeeiiiidnooooo/ouuuuyty";

bool IsWordCharacter(char32_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || c >= 0x80; }

// 0-9 first, then a-z, then every other character by code point.
std::uint64_t RingRank(char32_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return 10 + (c - 'a');
  return 36 + std::uint64_t(c);
}

// Appends the folded title (UTF-8) to `out` and the offsets of its words' starts to
// `starts`: a word begins at a non-blank after a blank (or the start), or at a letter or
// digit after other signs ("Pac-Man" has "man", "(World" has "(world" and "world").
void FoldTitle(std::string_view name, std::string& out, std::vector<std::uint32_t>& starts) {
  char32_t before = ' ';
  for (std::size_t i = 0; i < name.size();) {
    const char32_t c = FoldForSearch(platform::NextCodePoint(name, i));
    if (c != ' ' && !IsWordCharacter(before) && (before == ' ' || IsWordCharacter(c)))
      starts.push_back(static_cast<std::uint32_t>(out.size()));
    platform::AppendUtf8(out, c);
    before = c;
  }
}

// The character at `at` of the folded titles (always well-formed UTF-8).
char32_t CharacterAt(const std::string& text, std::size_t at) { return platform::NextCodePoint(text, at); }

}  // namespace

char32_t FoldForSearch(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
  if (c >= 0xC0 && c <= 0xFF) {
    const char folded = kLatin1Folded[c - 0xC0];
    return folded == '*' || folded == '/' ? c : char32_t(folded);  // the multiplication and division signs
  }
  switch (c) {
    case 0x160: case 0x161: return 's';  // Š š
    case 0x17D: case 0x17E: return 'z';  // Ž ž
    case 0x178: return 'y';              // Ÿ
    default: break;
  }
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 0x20;  // Greek capitals
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;                 // Cyrillic А-Я
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;                 // Cyrillic Ѐ-Џ
  return c;
}

SearchRing::SearchRing(const GameList& list) {
  const auto count = static_cast<std::size_t>(std::max(list.entryCount, 0));
  titleStart_.reserve(count + 1);
  firstWord_.reserve(count + 1);
  std::vector<std::int32_t> all(count);
  for (std::size_t p = 0; p < count; ++p) {
    all[p] = static_cast<std::int32_t>(p);
    titleStart_.push_back(static_cast<std::uint32_t>(titles_.size()));
    firstWord_.push_back(static_cast<std::uint32_t>(wordStart_.size()));
    FoldTitle(list.AtPosition(static_cast<std::int32_t>(p)).fullName, titles_, wordStart_);
  }
  titleStart_.push_back(static_cast<std::uint32_t>(titles_.size()));
  firstWord_.push_back(static_cast<std::uint32_t>(wordStart_.size()));
  matches_.push_back(std::move(all));
  Offer();
}

bool SearchRing::Matches(std::int32_t position, std::size_t length) const {
  const auto p = static_cast<std::size_t>(position);
  const std::uint32_t end = titleStart_[p + 1];
  for (std::uint32_t w = firstWord_[p]; w < firstWord_[p + 1]; ++w) {
    const std::uint32_t at = wordStart_[w];
    if (end - at >= length && titles_.compare(at, length, typed_, 0, length) == 0) return true;
  }
  return false;
}

void SearchRing::Offer() {
  std::array<bool, 256> seen{};
  std::vector<char32_t> others;  // beyond U+00FF: few, gathered then sorted
  const std::size_t length = typed_.size();
  for (const std::int32_t position : matches()) {
    const auto p = static_cast<std::size_t>(position);
    const std::uint32_t end = titleStart_[p + 1];
    for (std::uint32_t w = firstWord_[p]; w < firstWord_[p + 1]; ++w) {
      const std::uint32_t at = wordStart_[w];
      if (end - at <= length || titles_.compare(at, length, typed_) != 0) continue;
      const char32_t next = CharacterAt(titles_, at + length);
      if (next < 256) seen[next] = true;
      else others.push_back(next);
    }
  }
  offered_.clear();
  for (char32_t c = 0; c < 256; ++c)
    if (seen[c]) offered_ += c;
  std::sort(others.begin(), others.end());
  others.erase(std::unique(others.begin(), others.end()), others.end());
  offered_.append(others.begin(), others.end());
  std::sort(offered_.begin(), offered_.end(), [](char32_t a, char32_t b) { return RingRank(a) < RingRank(b); });
  current_ = 0;
}

void SearchRing::Turn(int steps) {
  if (offered_.empty()) return;
  const auto n = static_cast<long>(offered_.size());
  current_ = static_cast<std::size_t>(((static_cast<long>(current_) + steps) % n + n) % n);
}

bool SearchRing::Append() {
  if (offered_.empty()) return false;
  const char32_t c = offered_[current_];
  const std::size_t before = typed_.size();
  platform::AppendUtf8(typed_, c);
  typedLengths_.push_back(typed_.size() - before);
  const bool firstCached = typedLengths_.size() == 1 && c < 256;
  const auto first = static_cast<std::size_t>(firstCached ? c : 0);
  if (firstCached && firstKnown_[first]) {
    matches_.push_back(firstMatches_[first]);
  } else {
    std::vector<std::int32_t> narrowed;
    for (const std::int32_t position : matches())
      if (Matches(position, typed_.size())) narrowed.push_back(position);
    if (firstCached) {
      firstMatches_[first] = narrowed;
      firstKnown_[first] = true;
    }
    matches_.push_back(std::move(narrowed));
  }
  offeredBefore_.push_back(std::move(offered_));
  Offer();
  return true;
}

bool SearchRing::RemoveLast() {
  if (typed_.empty()) return false;
  typed_.resize(typed_.size() - typedLengths_.back());
  typedLengths_.pop_back();
  matches_.pop_back();
  // The shorter text's ring as it was, opened again on its first character.
  offered_ = std::move(offeredBefore_.back());
  offeredBefore_.pop_back();
  current_ = 0;
  return true;
}

int PressesToSelect(SearchRing& ring, const GameList& list, std::int32_t title) {
  if (title < 0 || title >= list.entryCount) return -1;
  while (ring.RemoveLast()) {}
  if (ring.selection() == title) return 2;
  std::string folded;
  std::vector<std::uint32_t> starts;
  FoldTitle(list.AtPosition(title).fullName, folded, starts);
  // Typed from each word start in turn, the ring turned the shorter way each time; after
  // any character the player may close and walk the rest of the way in the whole list.
  int best = -1;
  for (const std::uint32_t start : starts) {
    int count = 2;  // open and close
    for (std::size_t i = start; i < folded.size() && (best < 0 || count < best);) {
      const std::size_t at = ring.offered().find(platform::NextCodePoint(folded, i));
      if (at == std::u32string::npos) break;
      const int n = static_cast<int>(ring.offered().size());
      const int k = static_cast<int>(at);
      count += std::min(k, n - k) + 1;
      ring.Turn(k);
      ring.Append();
      const int walk = std::abs(ring.selection() - title);
      if (best < 0 || count + walk < best) best = count + walk;
      if (walk == 0) break;
    }
    while (ring.RemoveLast()) {}
  }
  return best;
}

}  // namespace shell
