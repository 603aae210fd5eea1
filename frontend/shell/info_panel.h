// The information panel: the selected game's history text over the menu, scrolled line
// by line with Up and Down. It is open exactly while it has text.
#pragma once

#include "catalogue/catalogue_state.h"
#include "settings/settings.h"

namespace shell {

struct Shell;

bool InfoPanelOpen(const catalogue::HistoryPanel& history);

// The Infos key: opens the panel on the selected game's history (nothing opens when
// there is none) or closes it. The screensaver does not count while the panel is open.
void ToggleInfoPanel(Shell& shell, catalogue::CatalogueState& catalogue);

// Scrolls by one line up (-1) or down (+1) within the text; true when it moved.
bool ScrollInfoPanel(catalogue::HistoryPanel& history, const Settings& s, int direction);

// Lines the panel shows at once in a window of this height.
int InfoPanelVisibleLines(int hautFen);

}  // namespace shell
