// The catalogue's program-wide records, in one record with one owner.
#pragma once

#include <cstdint>

#include "catalogue/game_list.h"
#include "catalogue/history.h"
#include "catalogue/random.h"
#include "catalogue/statistics.h"

namespace catalogue {

struct CatalogueState {
  GameList games;
  HistoryPanel history;
  Statistics statistics;
  RandomGenerator random;
  // The position drawn by the previous random file pick (1-based), -1 before the first;
  // shared by all callers so that two consecutive picks differ whenever there is a choice.
  std::int32_t lastPick = -1;
};

// Puts every one of them back to its start-up value (the generator unseeded).
void ResetCatalogueState(CatalogueState& catalogue);

}  // namespace catalogue
