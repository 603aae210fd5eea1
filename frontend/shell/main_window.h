// The frontend's main window: created from the settings; its creation loads the game list
// and arms the screensaver.
#pragma once

#include "settings/settings.h"

namespace shell {

// 1 when the window exists, 0 when it could not be made.
int CreateMainWindow(const Settings& s);

}  // namespace shell
