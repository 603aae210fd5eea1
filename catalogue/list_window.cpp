#include "catalogue/list_window.h"

#include <algorithm>

namespace catalogue {

namespace {

int Half(ListShape shape) { return std::max(shape.rows, 0) / 2; }

bool SameWindow(const ListWindow& a, const ListWindow& b) {
  return a.topIndex == b.topIndex && a.row == b.row;
}

}  // namespace

bool IsCircular(ListShape shape) { return shape.count > std::max(shape.rows, 0); }

int CurrentEntry(const ListWindow& window, int count) {
  int entry = window.topIndex + window.row;
  if (entry >= count) entry -= count;
  return entry;
}

int SelectEntry(ListWindow& window, ListShape shape, int i) {
  if (i >= shape.count || i < 0) return 0;
  const int half = Half(shape);
  if (IsCircular(shape)) {
    window.row = half;
    window.topIndex = i - half;
    if (window.topIndex < 0) window.topIndex += shape.count;
    return 1;
  }
  if (i >= half && i + half <= shape.count) {
    window.row = half;
    window.topIndex = i - half;
  } else if (i >= half) {
    window.topIndex = shape.count - shape.rows;
    if (window.topIndex >= 0) {
      window.row = shape.rows - shape.count + i;
    } else {
      window.row = i;
      window.topIndex = 0;
    }
  } else {
    window.row = i;
    window.topIndex = 0;
  }
  // A list that fits the window never scrolls. With as many entries as an odd number of
  // rows the middle rule above would start the page one entry down and show the first
  // entry again below the last one.
  if (window.topIndex > 0) {
    window.row += window.topIndex;
    window.topIndex = 0;
  }
  return 1;
}

int MoveUp(ListWindow& window, ListShape shape) {
  const int half = Half(shape);
  if (IsCircular(shape)) {
    window.topIndex -= 1;
    if (window.topIndex < 0) window.topIndex += shape.count;
    window.row = half;
    return 1;
  }
  if (window.row <= half && window.topIndex > 0) {
    window.topIndex -= 1;
    return 1;
  }
  if (window.row < 1) return 0;
  window.row -= 1;
  return 1;
}

int MoveDown(ListWindow& window, ListShape shape) {
  const int half = Half(shape);
  if (IsCircular(shape)) {
    window.topIndex += 1;
    if (window.topIndex >= shape.count) window.topIndex = 0;
    window.row = half;
    return 1;
  }
  if (window.row < half && window.row < shape.count - 1) {
    window.row += 1;
    return 1;
  }
  if (window.topIndex < shape.count - shape.rows) {
    window.topIndex += 1;
    return 1;
  }
  if (window.row >= shape.rows - 1 || window.row >= shape.count - 1) return 0;
  window.row += 1;
  return 1;
}

void PageBack(ListWindow& window, ListShape shape) {
  window.topIndex -= std::max(shape.rows, 0);
  if (window.topIndex < 0) window.topIndex = IsCircular(shape) ? window.topIndex + shape.count : 0;
  if (window.topIndex < 0) window.topIndex = 0;
}

void PageForward(ListWindow& window, ListShape shape) {
  if (!IsCircular(shape)) {
    window.topIndex = 0;
    return;
  }
  window.topIndex += std::max(shape.rows, 0);
  if (window.topIndex >= shape.count) window.topIndex -= shape.count;
}

bool LetterForward(ListWindow& window, ListShape shape, const GroupLetterOf& letterOf) {
  if (shape.count <= 0) return false;
  const ListWindow start = window;
  const unsigned char letter = letterOf(CurrentEntry(window, shape.count));
  // In a circular list the moves never fail: one full turn is the most there is to see.
  bool found = false;
  for (int moves = 0; moves < shape.count; ++moves) {
    if (!MoveDown(window, shape)) break;
    if (letterOf(CurrentEntry(window, shape.count)) != letter) {
      found = true;
      break;
    }
  }
  if (!found && IsCircular(shape)) window = start;
  return !SameWindow(window, start);
}

bool LetterBack(ListWindow& window, ListShape shape, const GroupLetterOf& letterOf) {
  if (shape.count <= 0) return false;
  const ListWindow start = window;
  bool lastMoved = false;
  for (int pass = 0; pass < 2; ++pass) {
    const unsigned char letter = letterOf(CurrentEntry(window, shape.count));
    bool found = false;
    for (int moves = 0; moves < shape.count; ++moves) {
      lastMoved = MoveUp(window, shape) != 0;
      if (!lastMoved) break;
      if (letterOf(CurrentEntry(window, shape.count)) != letter) {
        found = true;
        break;
      }
    }
    if (!found && lastMoved) {
      // A full turn found no other letter: stay on the entry we started from.
      window = start;
      return false;
    }
  }
  if (lastMoved) MoveDown(window, shape);
  return !SameWindow(window, start);
}

}  // namespace catalogue
