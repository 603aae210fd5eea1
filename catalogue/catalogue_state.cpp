#include "catalogue/catalogue_state.h"

namespace catalogue {

void ResetCatalogueState(CatalogueState& catalogue) { catalogue = {}; }

}  // namespace catalogue
