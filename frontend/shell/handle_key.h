// The action of every assigned key.
#pragma once

#include "frontend/shell/key_actions.h"
#include "frontend/shell/shell_records.h"

namespace shell {

// Performs the action bound to `code` (a KeyCode; 999 = the system menu key).
void HandleKey(const ShellRecords& r, int code);


// Performs `action` for a joystick control bound to it (unfiltered: the information
// panel's rule applies here). Joystick controls take no part in the kiosk lock's sequence.
void HandlePadAction(const ShellRecords& r, KeyAction action);

}  // namespace shell
