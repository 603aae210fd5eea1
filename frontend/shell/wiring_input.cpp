#include "frontend/shell/wiring_input.h"

#include "catalogue/game_list.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/pad_input.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/window_events.h"
#include "frontend/shell/wiring_render_state.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace shell {

using catalogue::FindEntryByName;

namespace wire {

void SelectLastGame() {
  SelectPosition(gShell.listWindow, gCatalogue, gRender, FindEntryByName(gCatalogue.games, gShell.settings.lastGame));
  gShell.listShown = true;
}

void HandleWindowEvent(const platform::WindowEvent& event) {
  using Type = platform::WindowEvent::Type;
  if (event.type == Type::KeyDown) OnKeyDown(gShell, gCatalogue, gRender, event);
  if (event.type == Type::KeyUp) OnKeyUp(gShell, gCatalogue, gRender, event);
  if (event.type == Type::FocusLost) OnFocusLost(gShell.input);
  if (event.type >= Type::JoyAdded && event.type <= Type::JoyAxis) OnPadEvent(gShell, gCatalogue, gRender, event, platform::GetTickCount());
}

}  // namespace wire

}  // namespace shell
