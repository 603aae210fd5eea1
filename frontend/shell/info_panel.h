// The information panel: the selected game's history text over the menu, scrolled line
// by line with Up and Down. It is open exactly while it has text.
#pragma once

namespace shell {

bool InfoPanelOpen();

// The Infos key: opens the panel on the selected game's history (nothing opens when
// there is none) or closes it. The screensaver does not count while the panel is open.
void ToggleInfoPanel();

// Scrolls by one line up (-1) or down (+1) within the text; true when it moved.
bool ScrollInfoPanel(int direction);

// Lines the panel shows at once in a window of this height.
int InfoPanelVisibleLines(int hautFen);

}  // namespace shell
