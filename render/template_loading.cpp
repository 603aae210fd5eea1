// LoadLayout (declared with the layout it fills): the layout read, then what the
// template and the configuration bring with it. Apart from the reading so that the
// layout does not depend on the pictures that depend on it.
#include "render/display.h"
#include "render/drawing_generation.h"
#include "render/layout.h"
#include "render/layout_file.h"
#include "render/picture_loading.h"
#include "render/picture_scroll.h"
#include "render/render_state.h"
#include "render/scroll_text.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace render {

namespace {
// No real layout comes near this; a larger file is read up to it.
constexpr std::size_t kMaxLayoutFileBytes = std::size_t(16) << 20;
}  // namespace

int LoadLayout(RenderState& rs, const std::string& installDir, const std::string& configName, const std::string& templateName) {
  const std::string path = platform::ResolvePath(installDir + "/Templates/" + templateName + "/Layout.cfg");
  const auto text = platform::ReadWholeFile(path, kMaxLayoutFileBytes);
  if (!text) return 0;
  ReadLayoutText(*text, rs.layout);
  CountContentChange();

  if (CurrentDevice(rs)) LoadTemplateImages(rs, installDir, templateName);
  ReadScrollText(rs, installDir, configName);
  PrepareScrollText(rs);
  InitPictureScroll(rs);
  return 1;
}

}  // namespace render
