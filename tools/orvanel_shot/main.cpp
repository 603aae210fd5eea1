// orvanel-shot: renders an installation's current configuration, as the frontend would
// show it after start-up, into a PNG, headless, with the software renderer. For layout
// authors: no window, no sound, no game started.
//   orvanel-shot <installation dir> <output.png>
#include <cstdio>
#include <filesystem>
#include <string>

#include "render/animation_clock.h"
#include "render/animations.h"
#include "render/display.h"
#include "render/picture_loading.h"
#include "render/render_state.h"
#include "render/texture_table.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/load_configuration.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_catalogue.h"
#include "frontend/shell/wiring_input.h"
#include "frontend/shell/slide_show.h"
#include "frontend/shell/wiring_render.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/message_box.h"
#include "settings/message_language.h"

using render::LoadSelectionMedia;
using render::ReleaseAll;
using render::UpdateAnimations;
using shell::DrawMenuFrame;
using shell::LoadConfiguration;
using shell::ResetClocks;
using shell::gShell;
namespace wire = shell::wire;

namespace {

int Fail(const std::string& why) {
  std::fprintf(stderr, "orvanel-shot: %s\n", why.c_str());
  for (const auto& m : platform::RecordMessageBoxes()) {
    std::fprintf(stderr, "  message: %s [%s]\n", m.text.c_str(), m.caption.c_str());
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: orvanel-shot <installation dir> <output.png>\n");
    return 2;
  }
  std::error_code ec;
  const std::string base = std::filesystem::absolute(argv[1], ec).lexically_normal().string();
  const std::string output = argv[2];
  platform::RecordMessageBoxes();  // nobody is there to click them: they are printed instead
  gShell.baseDirectory = base;
  // The picture speaks the installation's language (its Langue, else the locale's).
  settings::UseLanguageOfInstallationWith(base, ORV_LOCALE_DIR);
  // The installation's debug log is the frontend's: the tool keeps its own beside the picture.
  platform::SetLogDirectory(std::filesystem::absolute(output, ec).parent_path().string());

  if (!LoadConfiguration(shell::gShell, shell::gCatalogue, "")) return Fail("no config/Orvanel.ini below " + base);
  wire::LoadAndSortGameList();
  gRender.textures = {};
  if (wire::CreateOffscreenDisplay() < 0) return Fail("no software renderer");
  gRender.clocks.fadeLevel = 1.0f;  // the screen as it stands after the opening zoom
  gRender.clocks.fadeDelta = 0.0f;
  if (!wire::LoadConfiguredLayout(gShell.settings.templateDir)) return Fail("cannot read the template " + gShell.settings.templateDir);
  const std::uint32_t now = platform::GetTickCount();
  ResetClocks(gRender, gShell.volumeRamp, now);
  gRender.clocks.fadeLevel = 1.0f;
  gRender.clocks.fadeDelta = 0.0f;
  wire::SelectLastGame();
  LoadSelectionMedia(gRender);
  UpdateAnimations(gRender, now);
  DrawMenuFrame(gRender, gShell.slideShow, 0);

  platform::Image shot;
  // The frame as composed: under the render size cap, smaller than LargFen x HautFen.
  shot.width = gRender.sources.largFen;
  shot.height = gRender.sources.hautFen;
  shot.rgba = gRender.display.device ? gRender.display.device->ReadBackBufferRgba() : std::vector<std::uint8_t>();
  if (shot.rgba.size() != static_cast<std::size_t>(shot.width) * shot.height * 4) return Fail("no frame was drawn");
  for (std::size_t i = 3; i < shot.rgba.size(); i += 4) shot.rgba[i] = 255;  // a screen has no transparency
  const auto png = platform::EncodePng(shot);
  if (png.empty() || !platform::WriteFileAtomically(output, std::string(png.begin(), png.end()))) {
    return Fail("cannot write " + output);
  }
  ReleaseAll(gRender);
  std::printf("%s: %dx%d, configuration %s, template %s\n", output.c_str(), shot.width, shot.height,
              gShell.settings.currentConfig.c_str(), gShell.settings.templateDir.c_str());
  return 0;
}
