#include "frontend/shell/window_events.h"

#include "render/render_state.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/handle_key.h"
#include "frontend/shell/info_panel.h"
#include "frontend/shell/key_release.h"
#include "frontend/shell/input_state.h"
#include "frontend/shell/screen_notice.h"
#include "frontend/shell/screensaver.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/volume_ramp.h"
#include "frontend/shell/wiring_render_state.h"
#include "platform/keycodes.h"
#include "platform/monitor_power.h"
#include "platform/window.h"

namespace shell {

namespace {

// What any press does first; false when that was all it did (it ended the slide show).
bool WakeForPress() {
  KillScreensaverTimer(gShell.screensaverTimer);
  if (!InfoPanelOpen(gCatalogue.history)) ArmScreensaverTimer(gShell.screensaverTimer, gShell.settings.scrTimeOut);
  if (platform::ScreenSaverAllowed()) platform::SetScreenSaverAllowed(false);  // the menu is back
  if (gShell.slideShow.running) {
    EndSlideShow(wire::Render(), gShell.slideShow);  // the key does nothing else
    return false;
  }
  return true;
}

}  // namespace

void OnKeyDown(const platform::WindowEvent& event) {
  const int raw = platform::KeyCodeFromScancode(event.scancode);
  if (!gShell.input.heldSinceGame.OnKeyDown(raw)) return;
  // A key that takes a message away does nothing else.
  if (!event.repeat && DismissScreenNotice(gShell.notice, wire::Render().sources.notice)) return;
  const int code = gShell.input.systemKeys.OnKeyDown(raw);
  // Alt, F10 and keys pressed with Alt are system keys: they never reach the key handling.
  if (code == platform::kNoKey && raw != platform::kNoKey) return;
  if (!WakeForPress()) return;
  if (code > 0) HandleKey(code);
  gShell.slideShow.running = false;
}

void OnPadPress(KeyAction action) {
  AskForFrame(wire::Render().clocks);  // as a key's, the press shows its frame at once
  if (DismissScreenNotice(gShell.notice, wire::Render().sources.notice)) return;
  if (!WakeForPress()) return;
  if (action != KeyAction::None) HandlePadAction(action);
  gShell.slideShow.running = false;
}

void OnPadRelease() { AfterKeyRelease(gShell, wire::Render()); }

void OnFocusLost() { gShell.input.systemKeys.Reset(); }

void OnKeyUp(const platform::WindowEvent& event) {
  const int raw = platform::KeyCodeFromScancode(event.scancode);
  if (!gShell.input.heldSinceGame.OnKeyUp(raw)) return;
  const int code = gShell.input.systemKeys.OnKeyUp(raw);
  if (code == platform::kSystemMenuKey) {
    HandleKey(platform::kSystemMenuKey);
    return;
  }
  if (code == platform::kNoKey && raw != platform::kNoKey) return;  // the release of a system key
  AfterKeyRelease(gShell, wire::Render());
}

}  // namespace shell
