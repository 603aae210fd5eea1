#include "frontend/shell/key_release.h"

#include "render/render_state.h"
#include "render/scroll_text.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/volume_ramp.h"

namespace shell {

void AfterKeyRelease(Shell& shell, render::RenderState& render) {
  ReleaseVolumeKey(shell.volumeRamp, shell.settings, render);
  if (render.scrollText.hasGameTags && !shell.input.navigateArmed) render::PrepareScrollText(render);
  shell.input.navigateArmed = true;
}

}  // namespace shell
