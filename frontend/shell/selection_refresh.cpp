#include "frontend/shell/selection_refresh.h"

#include "render/picture_loading.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/input_state.h"
#include "frontend/shell/sounds.h"
#include "render/render_state.h"

using render::LoadSelectionMedia;

namespace shell {

void RefreshAfterMove(render::RenderState& render, InputState& input, const SoundSlots& sounds) {
  LoadSelectionMedia(render);
  AskForFrame(render.clocks);
  if (input.navigateArmed) {
    PlaySound(sounds, kSoundNavigate, 0);
    input.navigateArmed = false;
  }
}

}  // namespace shell
