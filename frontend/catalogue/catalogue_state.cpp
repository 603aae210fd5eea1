#include "frontend/catalogue/catalogue_state.h"

#include "frontend/catalogue/directory_scan.h"
#include "frontend/catalogue/game_list.h"
#include "frontend/catalogue/history.h"
#include "frontend/catalogue/random.h"
#include "frontend/catalogue/statistics.h"

void ResetCatalogueState() {
  gGameList = {};
  gHistory = {};
  gStatistics = {};
  gRandom = {};
  gLastPick = -1;
}
