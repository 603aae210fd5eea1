// The list window of the loaded game list as the keys move it: the shape (entry count
// and the layout's visible rows) is read afresh at every move.
#pragma once

#include <cstdint>

#include "catalogue/list_window.h"

namespace catalogue {
struct GameEntry;
}

namespace shell {

catalogue::ListShape CurrentListShape();

int SelectedPosition();
int SelectPosition(int i);
int MoveSelectionUp();
int MoveSelectionDown();

// The entry under the selection, or null when the list is empty.
const catalogue::GameEntry* SelectedEntry();

}  // namespace shell
