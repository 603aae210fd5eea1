// The ROM folder, listed once: tens of thousands of games are looked up in it, and a
// look-up per game on the disk (with letter case ignored) would list it every time.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace cfg {

class RomFolder {
 public:
  // Lists the directory; a missing or unreadable one (or an empty path) holds nothing.
  static RomFolder List(const std::string& directory);

  // A game is there when "<name>.zip", "<name>.7z" or a folder "<name>" is, in any letter case.
  bool HasGame(std::string_view name) const;
  // No archive and no folder: a wrong or empty ROM folder.
  bool IsEmpty() const { return archives_.empty() && folders_.empty(); }

 private:
  std::unordered_set<std::string> archives_;  // lower-case file names
  std::unordered_set<std::string> folders_;   // lower-case folder names
};

}  // namespace cfg
