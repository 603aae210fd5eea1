#include "frontend/shell/key_release.h"

#include "render/render_state.h"
#include "render/scroll_text.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/volume_ramp.h"

namespace shell {

void AfterKeyRelease() {
  ReleaseVolumeKey();
  if (gRender.scrollText.hasGameTags && !gShell.input.navigateArmed) PrepareScrollText();
  gShell.input.navigateArmed = true;
}

}  // namespace shell
