#include "frontend/shell/navigation.h"

#include "catalogue/catalogue_state.h"
#include "catalogue/game_list.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_render.h"
#include "render/layout.h"
#include "render/render_state.h"


ListShape CurrentListShape() { return {gCatalogue.games.entryCount, wire::Render().layout.listNbItems}; }

int CurrentEntry() { return CurrentEntry(gShell.listWindow, gCatalogue.games.entryCount); }

int SelectEntry(int i) { return SelectEntry(gShell.listWindow, CurrentListShape(), i); }

int MoveUp() { return MoveUp(gShell.listWindow, CurrentListShape()); }

int MoveDown() { return MoveDown(gShell.listWindow, CurrentListShape()); }

const GameEntry* SelectedEntry() {
  const int p = CurrentEntry();
  if (p < 0 || p >= gCatalogue.games.entryCount) return nullptr;
  return &gCatalogue.games.AtPosition(p);
}
