#include "frontend/render/render_sources.h"

RenderSources gRenderSources;

ListPosition CurrentListPosition() {
  return gRenderSources.listPosition ? gRenderSources.listPosition() : ListPosition{};
}
