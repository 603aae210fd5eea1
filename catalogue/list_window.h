// The list window over the display order: which display position sits on the first line
// (`TopIndex`) and on which line the selection is (`Row`).
//
// A list longer than the window is circular: the selection stays on the middle line and
// the entries scroll past it, wrapping at both ends. A list that fits is bounded: it
// stays at the top and the selection moves from line to line. The mode is decided afresh
// at every move from the entry count and the number of visible rows.
#pragma once

#include <functional>

namespace catalogue {

struct ListWindow {
  int topIndex = 0;  // TopIndex: display position shown on the first line
  int row = 0;       // Row: line of the selection, 0 = first line
};

// What a move works with: the entries in the list and the layout's visible rows.
struct ListShape {
  int count = 0;
  int rows = 0;
};

bool IsCircular(ListShape shape);

// TopIndex + Row, wrapped once by the count.
int CurrentEntry(const ListWindow& window, int count);

// Puts the selection on display position i. 0 when i is not in the list.
int SelectEntry(ListWindow& window, ListShape shape, int i);

// One line up or down. 1 when the selection moved.
int MoveUp(ListWindow& window, ListShape shape);
int MoveDown(ListWindow& window, ListShape shape);

// One page back or forward; the selected line stays.
void PageBack(ListWindow& window, ListShape shape);
void PageForward(ListWindow& window, ListShape shape);

// The group letter of the entry at a display position (first byte of its title).
using GroupLetterOf = std::function<unsigned char(int displayIndex)>;

// To the first entry of the next or previous group. A list where every title starts
// with the same letter is walked at most once round and the selection stays where it
// was. True when the window changed (the caller refreshes).
bool LetterForward(ListWindow& window, ListShape shape, const GroupLetterOf& letterOf);
bool LetterBack(ListWindow& window, ListShape shape, const GroupLetterOf& letterOf);

}  // namespace catalogue
