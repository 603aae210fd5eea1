#include "frontend/shell/navigation.h"

#include "frontend/catalogue/game_list.h"
#include "render/layout.h"

ListShape CurrentListShape() { return {gGameList.entryCount, gLayout.listNbItems}; }

int CurrentEntry() { return CurrentEntry(gListWindow, gGameList.entryCount); }

int SelectEntry(int i) { return SelectEntry(gListWindow, CurrentListShape(), i); }

int MoveUp() { return MoveUp(gListWindow, CurrentListShape()); }

int MoveDown() { return MoveDown(gListWindow, CurrentListShape()); }

const GameEntry* SelectedEntry() {
  const int p = CurrentEntry();
  if (p < 0 || p >= gGameList.entryCount) return nullptr;
  return &gGameList.AtPosition(p);
}
