// What can be told of a listing while it still streams in: how many machines it has
// described so far (the owner waits for tens of thousands) and whether its root element is
// <mame>, the emulator whose arguments the configuration can be given at once.
#pragma once

#include <string>
#include <string_view>

namespace cfg {

class ListingWatch {
 public:
  // The listing's next bytes; an element start cut between two pieces is still seen once.
  void Feed(std::string_view piece);

  int machines() const { return machines_; }  // <machine> or <game> starts seen
  bool mame() const { return mame_; }         // the root element is <mame>
  bool rootSeen() const { return rootSeen_; } // the root element has come

 private:
  std::string tail_;  // the last bytes, not yet scanned: the start of a tag cut by the piece's end
  int machines_ = 0;
  bool mame_ = false;
  bool rootSeen_ = false;
};

// The emulator arguments proposed for a MAME configuration: the ROM folder and the entry's name.
inline constexpr const char* kMameEmuParams = "-rompath \"%ROMDIR%\" -skip_gameinfo %NAME%";

}  // namespace cfg
