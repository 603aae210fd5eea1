#include "catalogue/catalogue_state.h"

CatalogueState gCatalogue;

void ResetCatalogueState() { gCatalogue = {}; }
