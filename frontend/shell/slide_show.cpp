#include "frontend/shell/slide_show.h"

#include "catalogue/directory_scan.h"
#include "platform/video_module.h"
#include "render/media_files.h"
#include "render/picture_loading.h"
#include "render/render_state.h"
#include "render/screen.h"

using render::DrawFrame;

namespace shell {

using catalogue::PickRandomFile;

namespace {
// Pictures, and clips unless the program found it cannot play any.
std::string SlideExtensions() {
  std::string extensions(render::kImageExtensions);
  if (!platform::VideoModuleMissing()) extensions += ";" + std::string(render::kClipExtensions);
  return extensions;
}
}  // namespace

bool DrawMenuFrame(render::RenderState& render, const SlideShow& slideShow, int mode) {
  render.screen.slideShowActive = slideShow.running;
  return DrawFrame(render, mode) == 1;
}

bool SlideDue(std::uint32_t now, std::uint32_t lastSlideTick, int scrDuration) {
  if (lastSlideTick == 0) return true;
  return static_cast<std::int64_t>(now - lastSlideTick) >= std::int64_t{scrDuration} * 1000;
}

std::string NextSlide(SlideShow& slideShow, const Settings& s, catalogue::CatalogueState& catalogue,
                      std::uint32_t now) {
  if (!SlideDue(now, slideShow.lastSlideTick, s.scrDuration)) return {};
  slideShow.lastSlideTick = now;
  std::string path = s.slideShowDir;
  if (!PickRandomFile(catalogue.random, catalogue.lastPick, path, SlideExtensions(), s.slideShowSousRep)) return {};
  return path;
}

}  // namespace shell
