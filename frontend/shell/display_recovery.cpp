#include "frontend/shell/display_recovery.h"

#include "render/display.h"
#include "render/picture_loading.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_render.h"
#include "platform/debug_log.h"
#include "platform/memory.h"
#include "platform/window.h"

using render::LoadSelectionMedia;
using render::ReleaseAll;
using render::ReleaseForReset;
using render::ResetDisplay;
using render::SetDrawLock;
using render::SetupRenderState;
namespace shell {

void RecoverDisplay() {
  const Settings& s = gShell.settings;
  if (!s.modeFenetre && platform::MainWindowExists() && gShell.launched) platform::ShowMainWindow();

  // SDL tells us after the fact, so the lost and the not-reset states come together:
  // release once under the draw lock, then reset (or re-create) and reload.
  if (!gShell.deviceLost) {
    SetDrawLock(wire::Render(), 1);
    ReleaseForReset(wire::Render());
    gShell.deviceLost = true;
  }
  const bool recreate = gShell.pendingReset == DisplayReset::Device || ResetDisplay(wire::Render()) != 1;
  if (recreate) {
    platform::WriteLog("Affichage perdu : re-creation", 1, 1);
    ReleaseAll(wire::Render());
    wire::CreateMainDisplay();
  } else {
    SetupRenderState(wire::Render());
  }
  gShell.deviceLost = false;
  gShell.pendingReset = DisplayReset::None;
  wire::LoadConfiguredTemplateImages(s.templateDir);
  LoadSelectionMedia(wire::Render());
  SetDrawLock(wire::Render(), 0);
  platform::ReturnFreedMemory();
  AskForFrame(wire::Render().clocks);  // the new display shows nothing yet
}

}  // namespace shell
