#include "render/render_state.h"

#include "render/still_layer.h"

RenderState gRender;

void ResetRenderState() {
  // Textures and fonts go before the device that made them.
  ReleaseAll();
  gRender = {};
  SetStillLayerEnabled(true);
}
