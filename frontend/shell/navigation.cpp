#include "frontend/shell/navigation.h"

#include "catalogue/catalogue_state.h"
#include "catalogue/game_list.h"
#include "render/layout.h"
#include "render/render_state.h"

namespace shell {

using catalogue::CurrentEntry;
using catalogue::GameEntry;
using catalogue::ListShape;
using catalogue::MoveDown;
using catalogue::MoveUp;
using catalogue::SelectEntry;

ListShape CurrentListShape(const catalogue::CatalogueState& catalogue, const render::RenderState& render) {
  return {catalogue.games.entryCount, render.layout.listNbItems};
}

int SelectedPosition(const catalogue::ListWindow& window, const catalogue::CatalogueState& catalogue) {
  return CurrentEntry(window, catalogue.games.entryCount);
}

int SelectPosition(catalogue::ListWindow& window, const catalogue::CatalogueState& catalogue,
                   const render::RenderState& render, int i) {
  return SelectEntry(window, CurrentListShape(catalogue, render), i);
}

int MoveSelectionUp(catalogue::ListWindow& window, const catalogue::CatalogueState& catalogue,
                    const render::RenderState& render) {
  return MoveUp(window, CurrentListShape(catalogue, render));
}

int MoveSelectionDown(catalogue::ListWindow& window, const catalogue::CatalogueState& catalogue,
                      const render::RenderState& render) {
  return MoveDown(window, CurrentListShape(catalogue, render));
}

std::optional<GameEntry> SelectedEntry(const catalogue::ListWindow& window, const catalogue::CatalogueState& catalogue) {
  const int p = SelectedPosition(window, catalogue);
  if (p < 0 || p >= catalogue.games.entryCount) return std::nullopt;
  return catalogue.games.AtPosition(p);
}

}  // namespace shell
