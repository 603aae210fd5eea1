#include "frontend/render/render_state.h"

#include "frontend/render/animation_clock.h"
#include "frontend/render/display.h"
#include "frontend/render/font_table.h"
#include "frontend/render/frame_state.h"
#include "frontend/render/layout.h"
#include "frontend/render/render_sources.h"
#include "frontend/render/screen.h"
#include "frontend/render/scroll_text.h"
#include "frontend/render/still_layer.h"
#include "frontend/render/texture_table.h"

void ResetRenderState() {
  // Textures and fonts go before the device that made them.
  ReleaseAll();
  gTextureTable = {};
  gFontTable = {};
  gDisplay = {};
  gLayout = {};
  gFrame = {};
  gFrameClocks = {};
  gScreen = {};
  gScrollText = {};
  gRenderSources = {};
  SetStillLayerEnabled(true);
}
