#include "configurator/listgen/game_list_builder.h"

#include "configurator/listgen/rom_folder.h"

namespace cfg {

GameListBuilder::GameListBuilder(const RomFolder* romFolder, Progress progress)
    : romFolder_(romFolder), progress_(std::move(progress)) {}

void GameListBuilder::Line(std::string_view key, std::string_view value) {
  if (value.empty()) return;
  text_ += key;
  text_ += value;
  text_ += "\r\n";
}

void GameListBuilder::Add(const ListedGame& game) {
  ++seen_;
  // Existing-only keeps a machine without files only when it takes coins (the logic-chip
  // games); consoles, computers and programmers without files are no cabinet games.
  const bool kept = !game.name.empty() &&
                    (!romFolder_ || (game.needsFiles ? romFolder_->HasGame(game.name) : game.takesCoins));
  if (kept) {
    ++written_;
    text_ += '[';
    text_ += game.name;
    text_ += "]\r\n";
    Line("RomOf=", game.romOf);
    Line("FullName=", game.fullName);
    Line("Infos1=", game.year);
    Line("Infos2=", game.screen);
    Line("Infos3=", game.controls);
  }
  if (progress_) progress_(written_, seen_);
}

}  // namespace cfg
