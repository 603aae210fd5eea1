// The list window of the loaded game list as the keys move it: the shape (entry count
// and the layout's visible rows) is read afresh at every move.
#pragma once

#include <cstdint>

#include "catalogue/list_window.h"

struct GameEntry;

ListShape CurrentListShape();

int CurrentEntry();
int SelectEntry(int i);
int MoveUp();
int MoveDown();

// The entry under the selection, or null when the list is empty.
const GameEntry* SelectedEntry();
