// Placeholder until the configuration switch is built: nothing changes.
#include "frontend/shell/configuration_switch.h"

int SwitchConfiguration(std::string_view) { return 0; }
