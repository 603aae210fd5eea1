#include "frontend/shell/slide_show.h"

#include "render/screen.h"

SlideShow gSlideShow;

bool DrawMenuFrame(int mode) {
  gScreen.slideShowActive = gSlideShow.running;
  return DrawFrame(mode) == 1;
}
