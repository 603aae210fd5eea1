#include "frontend/shell/navigation.h"

#include "catalogue/catalogue_state.h"
#include "catalogue/game_list.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_render_state.h"
#include "render/layout.h"
#include "render/render_state.h"

namespace shell {

using catalogue::CurrentEntry;
using catalogue::GameEntry;
using catalogue::ListShape;
using catalogue::MoveDown;
using catalogue::MoveUp;
using catalogue::SelectEntry;

ListShape CurrentListShape() { return {gCatalogue.games.entryCount, wire::Render().layout.listNbItems}; }

int SelectedPosition() { return CurrentEntry(gShell.listWindow, gCatalogue.games.entryCount); }

int SelectPosition(int i) { return SelectEntry(gShell.listWindow, CurrentListShape(), i); }

int MoveSelectionUp() { return MoveUp(gShell.listWindow, CurrentListShape()); }

int MoveSelectionDown() { return MoveDown(gShell.listWindow, CurrentListShape()); }

const GameEntry* SelectedEntry() {
  const int p = SelectedPosition();
  if (p < 0 || p >= gCatalogue.games.entryCount) return nullptr;
  return &gCatalogue.games.AtPosition(p);
}

}  // namespace shell
