#include "frontend/shell/wiring_input.h"

#include "frontend/catalogue/game_list.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/settings.h"
#include "platform/window.h"

namespace wire {

void SelectLastGame() { SelectEntry(FindEntryByName(gSettings.lastGame)); }
void HandleWindowEvent(const platform::WindowEvent&) {}

}  // namespace wire
