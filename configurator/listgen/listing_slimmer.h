// Most of an XML listing's bytes are empty elements the game list never reads: ROM files,
// DIP switch values, slot options, device references, chips, ports. Dropping them before
// the XML parser sees them makes the conversion several times faster; the parser still
// decodes everything that is kept. <rom> and <disk> shrink to "<rom/>" and "<disk/>", so a
// game's need for files still shows. Comments, CDATA, declarations, end tags, and start
// tags that are not empty pass unchanged.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cfg {

class ListingSlimmer {
 public:
  // Appends the slimmed form of the next piece of the listing to `out`. A tag cut by the
  // end of a piece is held back until the next one completes it.
  void Feed(std::string_view in, std::string& out);
  // Appends what is still held back (a listing cut short inside a tag).
  void Finish(std::string& out);

 private:
  enum class State { kText, kMarkup, kStartTag, kPassTag, kPassUntil, kDeclaration };
  // One step of Feed in each state; the first two give where the input goes on.
  std::size_t FeedText(std::string_view in, std::size_t i, std::string& out);
  void FeedMarkup(char c, std::string& out);
  std::size_t FeedStartTag(std::string_view in, std::size_t i, std::string& out);
  void FeedPassed(char c, std::string& out);
  void EndStartTag(std::string& out);
  void PassUntil(std::string_view terminator);
  // Follows the quotes of a tag or declaration: true for a quote or a quoted character.
  bool Quoted(char c);

  State state_ = State::kText;
  std::string held_;          // the markup held back, from its '<'
  char quote_ = 0;            // the quote open inside a tag or declaration
  std::string_view until_;    // what ends the markup being passed on
  std::size_t matched_ = 0;   // how much of `until_` has been seen
  int brackets_ = 0;          // depth of '[' inside a declaration
};

}  // namespace cfg
