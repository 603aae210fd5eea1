// The catalogue's program-wide records have one owner: the game list, the history panel,
// the statistics, the random generator and the last random file pick.
#pragma once

// Puts every one of them back to its start-up value (the generator unseeded).
void ResetCatalogueState();
