// The game list being made: one section per game kept, in the order of the listing,
// built in memory so that the list on disk is replaced in one atomic write at the end.
#pragma once

#include <functional>
#include <string>

namespace cfg {

class RomFolder;

// One game as the listing describes it; the summaries are already in the list's code page.
struct ListedGame {
  std::string name;
  std::string romOf;
  std::string fullName;   // FullName
  std::string year;       // Infos1
  std::string screen;     // Infos2
  std::string controls;   // Infos3
  bool needsFiles = false;  // the listing names ROM or disk images for it
  bool takesCoins = false;  // its input takes coins: a cabinet game even without files
};

class GameListBuilder {
 public:
  // Told (written, seen) after each game, so a caller can show where the work is.
  using Progress = std::function<void(int written, int seen)>;

  // romFolder: keep only the games present there (null: keep every game).
  GameListBuilder(const RomFolder* romFolder, Progress progress = {});

  // Counts the game as seen and writes its section when it is kept: "[name]", then
  // RomOf, FullName, Infos1, Infos2 and Infos3, each line ending in CR LF and left out
  // when its value is empty. A game that needs no file is always present.
  void Add(const ListedGame& game);

  int written() const { return written_; }
  int seen() const { return seen_; }
  const std::string& text() const { return text_; }

 private:
  void Line(std::string_view key, std::string_view value);
  const RomFolder* romFolder_;
  Progress progress_;
  std::string text_;
  int written_ = 0;
  int seen_ = 0;
};

}  // namespace cfg
