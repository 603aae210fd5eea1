// The search line over the menu: RechercheKey opens it on the loaded list; while it is
// open the panel keys drive the search ring and the list shows only the matches, the
// first of them selected. Closing shows the whole list again with that match selected.
#pragma once

#include <cstdint>
#include <string>

#include "catalogue/catalogue_state.h"
#include "frontend/shell/key_actions.h"

namespace render {
struct RenderState;
}

namespace shell {

struct Shell;

bool SearchOpen();

// Handles a key's action while the search is open: Down/Up turn the ring, Right and
// LaunchGame append, Left removes, Quit and Search close. Other actions do nothing.
void SearchKey(Shell& shell, const catalogue::CatalogueState& catalogue, render::RenderState& render,
               KeyAction action);

// Opens an empty search (nothing when the list is empty).
void OpenSearch(const catalogue::CatalogueState& catalogue, render::RenderState& render);
void CloseSearch(Shell& shell, const catalogue::CatalogueState& catalogue, render::RenderState& render);

// What the list shows while the search is open: the count of matches and the display
// position of the i-th one.
int SearchMatchCount();
std::int32_t SearchMatchAt(int i);

// The line drawn over the menu: the typed text in capitals and the ring's character in
// brackets ("PAC[-]"), empty when the search is closed.
std::string SearchLine();

}  // namespace shell
