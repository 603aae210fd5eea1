// The list window of the loaded game list as the keys move it: the shape (entry count
// and the layout's visible rows) is read afresh at every move.
#pragma once

#include <cstdint>
#include <optional>

#include "catalogue/catalogue_state.h"
#include "catalogue/list_window.h"

namespace catalogue {
struct GameEntry;
}

namespace render {
struct RenderState;
}

namespace shell {

catalogue::ListShape CurrentListShape(const catalogue::CatalogueState& catalogue, const render::RenderState& render);

int SelectedPosition(const catalogue::ListWindow& window, const catalogue::CatalogueState& catalogue);
int SelectPosition(catalogue::ListWindow& window, const catalogue::CatalogueState& catalogue,
                   const render::RenderState& render, int i);
int MoveSelectionUp(catalogue::ListWindow& window, const catalogue::CatalogueState& catalogue,
                    const render::RenderState& render);
int MoveSelectionDown(catalogue::ListWindow& window, const catalogue::CatalogueState& catalogue,
                      const render::RenderState& render);

// The entry under the selection, or nothing when the list is empty.
std::optional<catalogue::GameEntry> SelectedEntry(const catalogue::ListWindow& window, const catalogue::CatalogueState& catalogue);

}  // namespace shell
