// What follows every move of the selection, whoever moved it (the panel keys, the search).
#pragma once

namespace shell {

// The new selection's pictures, a frame at once, and the Navigate sound on the first move
// of a press.
void RefreshAfterMove();

}  // namespace shell
