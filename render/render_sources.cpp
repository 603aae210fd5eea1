#include "render/render_sources.h"

RenderSources gRenderSources;

ListPosition CurrentListPosition() {
  return gRenderSources.listPosition ? gRenderSources.listPosition() : ListPosition{};
}

int GameCount() { return gRenderSources.gameCount && gRenderSources.gameAt ? gRenderSources.gameCount() : 0; }

ShownGame GameAt(int position) { return gRenderSources.gameAt(position); }

std::string CurrentSearchLine() { return gRenderSources.searchLine ? gRenderSources.searchLine() : std::string(); }

HistoryView CurrentHistory() { return gRenderSources.history ? gRenderSources.history() : HistoryView{}; }

int SetRotation(int quarterTurns) {
  gRenderSources.rotation = quarterTurns < 0 || quarterTurns > 3 ? 0 : quarterTurns;
  return gRenderSources.rotation;
}
