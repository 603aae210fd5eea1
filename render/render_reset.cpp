#include "render/render_reset.h"

#include "render/display.h"
#include "render/render_state.h"
#include "render/still_layer.h"

namespace render {

void ResetRenderState(RenderState& rs) {
  // Textures and fonts go before the device that made them.
  ReleaseAll(rs);
  rs = {};
  SetStillLayerEnabled(true);
}

}  // namespace render
