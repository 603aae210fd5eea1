// The action of every assigned key.
#pragma once

// Performs the action bound to `code` (a KeyCode; 999 = the system menu key).
void HandleKey(int code);

// After a move of the selection: the new selection's pictures, a frame at once, and the
// Navigate sound on the first move of a press.
void RefreshAfterMove();
