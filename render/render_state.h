// The drawing's program-wide records, in one record with one owner.
#pragma once

#include "render/animation_clock.h"
#include "render/display.h"
#include "render/font_table.h"
#include "render/frame_state.h"
#include "render/layout.h"
#include "render/render_sources.h"
#include "render/screen.h"
#include "render/scroll_text.h"
#include "render/texture_table.h"

struct RenderState {
  DisplayState display;
  TextureTable textures;
  FontTable fonts;
  Layout layout;
  FrameState frame;
  FrameClocks clocks;
  ScreenState screen;
  ScrollText scrollText;
  RenderSources sources;
};

extern RenderState gRender;

// Releases the display's resources and puts every record back to its start-up value.
void ResetRenderState();
