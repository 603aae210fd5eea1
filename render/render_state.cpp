#include "render/render_state.h"

#include "render/animation_clock.h"
#include "render/display.h"
#include "render/font_table.h"
#include "render/frame_state.h"
#include "render/layout.h"
#include "render/render_sources.h"
#include "render/screen.h"
#include "render/scroll_text.h"
#include "render/still_layer.h"
#include "render/texture_table.h"

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
