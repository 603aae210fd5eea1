// Empty until keys and navigation are built.
#include "frontend/shell/wiring_input.h"

#include "platform/window.h"

namespace wire {

void SelectLastGame() {}
void HandleWindowEvent(const platform::WindowEvent&) {}

}  // namespace wire
