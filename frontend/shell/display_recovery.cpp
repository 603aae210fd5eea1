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

void RecoverDisplay(Shell& shell, render::RenderState& render) {
  const Settings& s = shell.settings;
  if (!s.modeFenetre && platform::MainWindowExists() && shell.launched) platform::ShowMainWindow();

  // SDL tells us after the fact, so the lost and the not-reset states come together:
  // release once under the draw lock, then reset (or re-create) and reload.
  if (!shell.deviceLost) {
    SetDrawLock(render, 1);
    ReleaseForReset(render);
    shell.deviceLost = true;
  }
  const bool recreate = shell.pendingReset == DisplayReset::Device || ResetDisplay(render) != 1;
  if (recreate) {
    platform::WriteLog("Affichage perdu : re-creation", 1, 1);
    ReleaseAll(render);
    wire::CreateMainDisplay();
  } else {
    SetupRenderState(render);
  }
  shell.deviceLost = false;
  shell.pendingReset = DisplayReset::None;
  wire::LoadConfiguredTemplateImages(s.templateDir);
  LoadSelectionMedia(render);
  SetDrawLock(render, 0);
  platform::ReturnFreedMemory();
  AskForFrame(render.clocks);  // the new display shows nothing yet
}

}  // namespace shell
