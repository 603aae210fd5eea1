#include "frontend/shell/slide_show.h"

#include "catalogue/directory_scan.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_render_state.h"
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

bool DrawMenuFrame(int mode) {
  wire::Render().screen.slideShowActive = gShell.slideShow.running;
  return DrawFrame(wire::Render(), mode) == 1;
}

bool SlideDue(std::uint32_t now, std::uint32_t lastSlideTick, int scrDuration) {
  if (lastSlideTick == 0) return true;
  return static_cast<std::int64_t>(now - lastSlideTick) >= std::int64_t{scrDuration} * 1000;
}

std::string NextSlide(std::uint32_t now) {
  const Settings& s = gShell.settings;
  if (!SlideDue(now, gShell.slideShow.lastSlideTick, s.scrDuration)) return {};
  gShell.slideShow.lastSlideTick = now;
  std::string path = s.slideShowDir;
  if (!PickRandomFile(gCatalogue.random, gCatalogue.lastPick, path, SlideExtensions(), s.slideShowSousRep)) return {};
  return path;
}

}  // namespace shell
