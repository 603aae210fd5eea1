#include "render/render_sources.h"

namespace render {

ListPosition CurrentListPosition(const RenderSources& sources) {
  return sources.listPosition ? sources.listPosition() : ListPosition{};
}

int GameCount(const RenderSources& sources) {
  return sources.gameCount && sources.gameAt ? sources.gameCount() : 0;
}

ShownGame GameAt(const RenderSources& sources, int position) { return sources.gameAt(position); }

std::string CurrentSearchLine(const RenderSources& sources) {
  return sources.searchLine ? sources.searchLine() : std::string();
}

HistoryView CurrentHistory(const RenderSources& sources) {
  return sources.history ? sources.history() : HistoryView{};
}

int SetRotation(RenderSources& sources, int quarterTurns) {
  sources.rotation = quarterTurns < 0 || quarterTurns > 3 ? 0 : quarterTurns;
  return sources.rotation;
}

}  // namespace render
