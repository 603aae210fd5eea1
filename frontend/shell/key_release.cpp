#include "frontend/shell/key_release.h"

#include "frontend/shell/wiring_render_state.h"
#include "render/render_state.h"
#include "render/scroll_text.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/volume_ramp.h"

namespace shell {

void AfterKeyRelease() {
  ReleaseVolumeKey(gShell.volumeRamp, gShell.settings, wire::Render());
  render::RenderState& rs = wire::Render();
  if (rs.scrollText.hasGameTags && !gShell.input.navigateArmed) render::PrepareScrollText(rs);
  gShell.input.navigateArmed = true;
}

}  // namespace shell
