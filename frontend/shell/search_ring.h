// The search ring: a title found with the panel's few keys. The player turns a ring of
// characters (only those that keep at least one title matching) and appends the one
// shown; the typed text matches the start of any word of a title, without regard to
// letter case or accents. Works on display positions of the loaded list.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/game_list.h"

namespace shell {

class SearchRing {
 public:
  // Opens an empty search over the list: every title matches; the ring stands on the
  // first character it offers.
  explicit SearchRing(const catalogue::GameList& list);

  // Down turns to the next character (steps > 0), Up to the previous, round the ring.
  void Turn(int steps);
  // Appends the character the ring stands on; false when the ring is empty.
  bool Append();
  // Removes the last typed character; false when nothing is typed.
  bool RemoveLast();

  // UTF-8, folded: lower case, no accents.
  const std::string& typed() const { return typed_; }
  // The characters on offer in ring order (0-9, a-z, then the others by code point).
  const std::u32string& offered() const { return offered_; }
  // The character the ring stands on, 0 when it offers none.
  char32_t current() const { return offered_.empty() ? U'\0' : offered_[current_]; }
  // The display positions of the matching titles, in display order.
  const std::vector<std::int32_t>& matches() const { return matches_.back(); }
  // The first match, or -1 when none.
  std::int32_t selection() const { return matches().empty() ? -1 : matches().front(); }

 private:
  bool Matches(std::int32_t position, std::size_t length) const;
  void Offer();

  // Folded titles one after another, in display order, and where each begins and where
  // its words begin.
  std::string titles_;
  std::vector<std::uint32_t> titleStart_;     // display position -> offset in titles_, one past the end
  std::vector<std::uint32_t> wordStart_;      // offsets in titles_, grouped by title
  std::vector<std::uint32_t> firstWord_;      // display position -> index in wordStart_, one past the end
  std::string typed_;
  std::vector<std::size_t> typedLengths_;           // bytes of each typed character
  std::vector<std::vector<std::int32_t>> matches_;  // one list per typed length
  std::vector<std::u32string> offeredBefore_;       // the ring of each shorter length
  // The matches of each first character below U+0100 once typed: the costly step, over
  // every title.
  std::array<std::vector<std::int32_t>, 256> firstMatches_;
  std::array<bool, 256> firstKnown_{};
  std::u32string offered_;
  std::size_t current_ = 0;
};

// A character of a title as the search compares it: lower case, accents off.
char32_t FoldForSearch(char32_t c);

// The fewest presses that select `title` (a display position of the list the ring was
// opened on): one to open, for each appended character the ring's turns (the shorter way)
// plus one, one to close, then the Up or Down presses from the match selected to the
// title; typed from the best word start and stopped after the best character. -1 when
// nothing can be typed towards it. Leaves the ring empty.
int PressesToSelect(SearchRing& ring, const catalogue::GameList& list, std::int32_t title);

}  // namespace shell
