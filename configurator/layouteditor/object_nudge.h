// The keyboard's editing of the selected object: a step of the arrow keys and the next
// object of Tab.
#pragma once

#include "configurator/layouteditor/editor_layout.h"

namespace cfg {

// Where an edge of an object of `size` at `position` may go when asked to `wanted` in a
// layout `limit` wide: inside [0, limit - size] unless it already was outside, in which
// case only nearer. The keys and the mouse move objects by this one rule.
int KeptPosition(int position, int wanted, int size, int limit);

// Moves the object by (dx, dy), or with `resize` moves its right and bottom edges. An
// object inside the layout stays inside; one outside it (the resolution was lowered)
// may come back in but never goes further out; a resized object keeps at least 2 x 2.
// False when nothing changed (the background, an index out of range, a limit reached).
bool NudgeObject(EditorLayout& layout, int index, int dx, int dy, bool resize);

// The object drawn after `selected` (before it with `backward`), the background left out,
// going round at the ends; the first (last) drawn when nothing is selected.
int NextInDrawOrder(const EditorLayout& layout, int selected, bool backward);

}  // namespace cfg
