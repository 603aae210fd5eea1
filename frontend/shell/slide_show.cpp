#include "frontend/shell/slide_show.h"

#include "frontend/shell/shell_state.h"
#include "render/render_state.h"
#include "render/screen.h"

using render::DrawFrame;
using render::gRender;

bool DrawMenuFrame(int mode) {
  gRender.screen.slideShowActive = gShell.slideShow.running;
  return DrawFrame(mode) == 1;
}
