#include "frontend/shell/wiring_input.h"

#include "frontend/catalogue/game_list.h"
#include "frontend/catalogue/history.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/settings.h"
#include "frontend/shell/window_events.h"
#include "platform/window.h"

namespace wire {

void SelectLastGame() { SelectEntry(FindEntryByName(gSettings.lastGame)); }

void HandleWindowEvent(const platform::WindowEvent& event) {
  using Type = platform::WindowEvent::Type;
  if (event.type == Type::KeyDown) OnKeyDown(event);
  if (event.type == Type::KeyUp) OnKeyUp(event);
  if (event.type == Type::FocusLost) OnFocusLost();
}

void LoadHistory(const std::string& romName) {
  ::LoadHistory(gSettings.emuDirectory, gSettings.largFen, romName);
}

}  // namespace wire
