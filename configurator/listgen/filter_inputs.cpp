#include "configurator/listgen/filter_inputs.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

using catalogue::ControlOf;
using catalogue::FilterFileText;
using catalogue::FilterSources;
using catalogue::GameEntry;
using catalogue::GameListSource;
using catalogue::LoadGameList;
using catalogue::PlayerCount;
using catalogue::ReadCatver;
using catalogue::ReadNPlayers;

namespace cfg {
namespace {

template <typename Table, typename Reader>
bool ReadTable(const std::string& path, Table& table, bool& has, Reader read) {
  if (path.empty()) return true;
  auto text = platform::ReadWholeFile(platform::ResolvePath(path));
  if (!text) return false;
  table = read(std::move(*text));
  has = true;
  return true;
}

}  // namespace

FilterSources FilterInputs::Sources() const {
  return FilterSources{hasCatver ? &catver : nullptr, hasNPlayers ? &nplayers : nullptr};
}

std::optional<std::string> ReadFilterInputs(const std::string& list, const std::string& catver,
                                            const std::string& nplayers, FilterInputs& inputs) {
  if (!ReadTable(catver, inputs.catver, inputs.hasCatver, ReadCatver)) return catver;
  if (!ReadTable(nplayers, inputs.nplayers, inputs.hasNPlayers, ReadNPlayers)) return nplayers;
  if (!platform::FileExists(platform::ResolvePath(list))) return list;
  LoadGameList(inputs.list, GameListSource{list, "", "", false});
  return std::nullopt;
}

std::pair<std::string, std::string> SplitCategory(std::string_view category) {
  const std::size_t slash = category.find('/');
  if (slash == std::string_view::npos) return {std::string(platform::TrimBlanks(category)), ""};
  return {std::string(platform::TrimBlanks(category.substr(0, slash))),
          std::string(platform::TrimBlanks(category.substr(slash + 1)))};
}

FilterChoices CollectChoices(const FilterInputs& inputs) {
  FilterChoices choices;
  for (const GameEntry& game : inputs.list.entries) {
    const std::string name = platform::ToLowerCopy(game.romName);
    if (inputs.hasCatver) {
      if (auto it = inputs.catver.find(name); it != inputs.catver.end()) {
        auto [main, sub] = SplitCategory(it->second.name);
        ++choices.categories[main][sub];
      }
    }
    if (inputs.hasNPlayers) {
      auto it = inputs.nplayers.find(name);
      ++choices.players[it == inputs.nplayers.end() ? 0 : PlayerCount(it->second)];
    } else {
      ++choices.players[PlayerCount(game.infos3)];
    }
    ++choices.controls[ControlOf(game.infos3)];
  }
  return choices;
}

FilterWrite WriteFilterFile(const std::string& output, const std::vector<std::string>& names) {
  if (names.empty()) return FilterWrite::kNothingPasses;
  return platform::WriteFileAtomically(output, FilterFileText(names)) ? FilterWrite::kWritten
                                                                        : FilterWrite::kCannotWrite;
}

}  // namespace cfg
