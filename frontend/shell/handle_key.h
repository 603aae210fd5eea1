// The action of every assigned key.
#pragma once

// Performs the action bound to `code` (a KeyCode; 999 = the system menu key).
void HandleKey(int code);

