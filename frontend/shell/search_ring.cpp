#include "frontend/shell/search_ring.h"

#include <algorithm>
#include <cstdlib>
#include <array>
#include <string_view>

namespace shell {

using catalogue::GameList;

namespace {

// Windows-1252 letters with accents, 0xC0-0xFF, as their plain lower-case letters.
constexpr std::string_view kLatin1Folded = "aaaaaaaceeeeiiiidnooooo*ouuuuyts" "aaaaaaaceeeeiiiidnooooo/ouuuuyty";

bool IsWordCharacter(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
}

// 0-9 first, then a-z, then every other byte by value.
int RingRank(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (c >= '0' && c <= '9') return u - '0';
  if (c >= 'a' && c <= 'z') return 10 + (u - 'a');
  return 36 + u;
}

}  // namespace

char FoldForSearch(char c);

namespace {

// Appends the folded title to `out` and the offsets of its words' starts to `starts`: a
// word begins at a non-blank after a blank (or the start), or at a letter or digit after
// other signs ("Pac-Man" has "man", "(World" has "(world" and "world").
void FoldTitle(std::string_view name, std::string& out, std::vector<std::uint32_t>& starts) {
  char before = ' ';
  for (const char raw : name) {
    const char c = FoldForSearch(raw);
    if (c != ' ' && !IsWordCharacter(before) && (before == ' ' || IsWordCharacter(c)))
      starts.push_back(static_cast<std::uint32_t>(out.size()));
    out += c;
    before = c;
  }
}

}  // namespace

char FoldForSearch(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  if (u >= 0xC0) {
    const char folded = kLatin1Folded[u - 0xC0];
    return folded == '*' || folded == '/' ? c : folded;  // the multiplication and division signs
  }
  switch (u) {
    case 0x8A: case 0x9A: return 's';  // Š š
    case 0x8E: case 0x9E: return 'z';  // Ž ž
    case 0x9F: return 'y';             // Ÿ
    default: return c;
  }
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
  const std::size_t length = typed_.size();
  for (const std::int32_t position : matches()) {
    const auto p = static_cast<std::size_t>(position);
    const std::uint32_t end = titleStart_[p + 1];
    for (std::uint32_t w = firstWord_[p]; w < firstWord_[p + 1]; ++w) {
      const std::uint32_t at = wordStart_[w];
      if (end - at > length && titles_.compare(at, length, typed_) == 0)
        seen[static_cast<unsigned char>(titles_[at + length])] = true;
    }
  }
  offered_.clear();
  for (int b = 0; b < 256; ++b)
    if (seen[static_cast<std::size_t>(b)]) offered_ += static_cast<char>(b);
  std::sort(offered_.begin(), offered_.end(), [](char a, char b) { return RingRank(a) < RingRank(b); });
  current_ = 0;
}

void SearchRing::Turn(int steps) {
  if (offered_.empty()) return;
  const auto n = static_cast<long>(offered_.size());
  current_ = static_cast<std::size_t>(((static_cast<long>(current_) + steps) % n + n) % n);
}

bool SearchRing::Append() {
  if (offered_.empty()) return false;
  const char c = offered_[current_];
  typed_ += c;
  const auto first = static_cast<unsigned char>(c);
  if (typed_.size() == 1 && firstKnown_[first]) {
    matches_.push_back(firstMatches_[first]);
  } else {
    std::vector<std::int32_t> narrowed;
    for (const std::int32_t position : matches())
      if (Matches(position, typed_.size())) narrowed.push_back(position);
    if (typed_.size() == 1) {
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
  typed_.pop_back();
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
    for (std::size_t i = start; i < folded.size() && (best < 0 || count < best); ++i) {
      const std::size_t at = ring.offered().find(folded[i]);
      if (at == std::string::npos) break;
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
