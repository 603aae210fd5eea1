#include "frontend/shell/slide_show.h"

#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_render.h"
#include "render/render_state.h"
#include "render/screen.h"

using render::DrawFrame;

bool DrawMenuFrame(int mode) {
  wire::Render().screen.slideShowActive = gShell.slideShow.running;
  return DrawFrame(wire::Render(), mode) == 1;
}
