// The drawing's records, in one record with one owner. Only records here: the code that
// works on them takes the record it needs.
#pragma once

#include "render/animation_clock.h"
#include "render/display_state.h"
#include "render/font_table.h"
#include "render/frame_state.h"
#include "render/layout_record.h"
#include "render/render_sources.h"
#include "render/screen_state.h"
#include "render/scroll_text_state.h"
#include "render/texture_table.h"

namespace render {

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

}  // namespace render
