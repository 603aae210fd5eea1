#include "frontend/shell/window_events.h"

#include "render/render_state.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/handle_key.h"
#include "frontend/shell/hook_events.h"
#include "frontend/shell/info_panel.h"
#include "frontend/shell/key_release.h"
#include "frontend/shell/input_state.h"
#include "frontend/shell/screen_notice.h"
#include "frontend/shell/screensaver.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/volume_ramp.h"
#include "platform/keycodes.h"
#include "platform/monitor_power.h"
#include "platform/window.h"

namespace shell {

namespace {

// What any press does first; false when that was all it did (it ended the slide show).
bool WakeForPress(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render) {
  KillScreensaverTimer(shell.screensaverTimer);
  if (!InfoPanelOpen(catalogue.history)) ArmScreensaverTimer(shell.screensaverTimer, shell.settings.scrTimeOut);
  if (platform::ScreenSaverAllowed()) platform::SetScreenSaverAllowed(false);  // the menu is back
  FireScreensaverEnd(shell, catalogue);
  if (shell.slideShow.running) {
    EndSlideShow(render, shell.slideShow);  // the key does nothing else
    return false;
  }
  return true;
}

}  // namespace

void OnKeyDown(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render, const platform::WindowEvent& event) {
  const int raw = platform::KeyCodeFromScancode(event.scancode);
  if (!shell.input.heldSinceGame.OnKeyDown(raw)) return;
  // A key that takes a message away does nothing else.
  if (!event.repeat && DismissScreenNotice(shell.notice, render.sources.notice)) return;
  const int code = shell.input.systemKeys.OnKeyDown(raw);
  // Alt, F10 and keys pressed with Alt are system keys: they never reach the key handling.
  if (code == platform::kNoKey && raw != platform::kNoKey) return;
  if (!WakeForPress(shell, catalogue, render)) return;
  if (code > 0) HandleKey({shell, catalogue, render}, code);
  shell.slideShow.running = false;
}

void OnPadPress(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render, KeyAction action) {
  AskForFrame(render.clocks);  // as a key's, the press shows its frame at once
  if (DismissScreenNotice(shell.notice, render.sources.notice)) return;
  if (!WakeForPress(shell, catalogue, render)) return;
  if (action != KeyAction::None) HandlePadAction({shell, catalogue, render}, action);
  shell.slideShow.running = false;
}

void OnPadRelease(Shell& shell, render::RenderState& render) { AfterKeyRelease(shell, render); }

void OnFocusLost(InputState& input) { input.systemKeys.Reset(); }

void OnKeyUp(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render, const platform::WindowEvent& event) {
  const int raw = platform::KeyCodeFromScancode(event.scancode);
  if (!shell.input.heldSinceGame.OnKeyUp(raw)) return;
  const int code = shell.input.systemKeys.OnKeyUp(raw);
  if (code == platform::kSystemMenuKey) {
    HandleKey({shell, catalogue, render}, platform::kSystemMenuKey);
    return;
  }
  if (code == platform::kNoKey && raw != platform::kNoKey) return;  // the release of a system key
  AfterKeyRelease(shell, render);
}

}  // namespace shell
