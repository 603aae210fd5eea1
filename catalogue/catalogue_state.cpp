#include "catalogue/catalogue_state.h"

void ResetCatalogueState(CatalogueState& catalogue) { catalogue = {}; }
