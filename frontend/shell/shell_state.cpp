#include "frontend/shell/shell_state.h"

#include "catalogue/catalogue_state.h"

namespace shell {

using catalogue::CatalogueState;
using catalogue::ResetCatalogueState;

Shell gShell;
CatalogueState gCatalogue;

void ResetShellState() {
  // The sound blocks belong to the audio device: released before the record forgets them.
  gShell.sounds = {};
  gShell = {};
  ResetCatalogueState(gCatalogue);
}

}  // namespace shell
