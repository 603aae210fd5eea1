#include "render/render_sources.h"

#include "render/render_state.h"

ListPosition CurrentListPosition() {
  return gRender.sources.listPosition ? gRender.sources.listPosition() : ListPosition{};
}

int GameCount() { return gRender.sources.gameCount && gRender.sources.gameAt ? gRender.sources.gameCount() : 0; }

ShownGame GameAt(int position) { return gRender.sources.gameAt(position); }

std::string CurrentSearchLine() { return gRender.sources.searchLine ? gRender.sources.searchLine() : std::string(); }

HistoryView CurrentHistory() { return gRender.sources.history ? gRender.sources.history() : HistoryView{}; }

int SetRotation(int quarterTurns) {
  gRender.sources.rotation = quarterTurns < 0 || quarterTurns > 3 ? 0 : quarterTurns;
  return gRender.sources.rotation;
}
