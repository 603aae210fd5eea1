#include "frontend/shell/selection_refresh.h"

#include "render/picture_loading.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/input_state.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/sounds.h"
#include "frontend/shell/wiring_render_state.h"

using render::LoadSelectionMedia;

namespace shell {

void RefreshAfterMove() {
  LoadSelectionMedia(wire::Render());
  AskForFrame(wire::Render().clocks);
  if (gShell.input.navigateArmed) {
    PlaySound(gShell.sounds, kSoundNavigate, 0);
    gShell.input.navigateArmed = false;
  }
}

}  // namespace shell
