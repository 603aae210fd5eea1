#include "frontend/shell/wiring_input.h"

#include "frontend/catalogue/game_list.h"
#include "frontend/catalogue/history.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/settings.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/window_events.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/window.h"

namespace wire {

void SelectLastGame() {
  SelectEntry(FindEntryByName(gSettings.lastGame));
  gShell.listShown = true;
}

void HandleWindowEvent(const platform::WindowEvent& event) {
  using Type = platform::WindowEvent::Type;
  if (event.type == Type::KeyDown) OnKeyDown(event);
  if (event.type == Type::KeyUp) OnKeyUp(event);
  if (event.type == Type::FocusLost) OnFocusLost();
}

void LoadHistory(const std::string& romName) {
  // An emulator named without a directory is the one PATH finds: its history is beside it.
  const std::string directory = gSettings.emuDirectory.empty()
                                    ? std::string(platform::DirectoryPart(platform::FindProgram(gSettings.emuProgram)))
                                    : gSettings.emuDirectory;
  ::LoadHistory(directory, gSettings.largFen, romName);
}

}  // namespace wire
