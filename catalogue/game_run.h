// The statistics of one game run, in the steps the launch code goes through: start,
// tracked key reports, a screensaver run turned into a normal one, periodic and final saves.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/statistics.h"

namespace catalogue {

struct GameRun {
  std::string romName;
  bool screensaver = false;
  std::uint32_t startTick = 0;
  StatisticsRecord global;  // as read when the run started
  StatisticsRecord list;
  StatisticsRecord game;
  std::array<std::int32_t, 4> keyCounts{};  // reports of tracked keys 1..4 during this run
  bool counted = false;                     // Nb or NbScr holds this run
};

// Step 1: the emulator has started. Reads the three records; the run is not counted yet,
// since an emulator that gives up at once has not been played.
GameRun BeginGameRun(const Statistics& statistics, std::string_view romName, bool screensaver,
                     std::uint32_t now);

// Step 2, once the run is known to be real: counts it (Nb with Dt for a normal run, NbScr
// for a screensaver run) in the game, list and global records; the program-wide totals keep
// the new counts. Only the first call counts.
void CountGameRun(Statistics& statistics, GameRun& run);

// Step 3: one report of tracked key k (1..4).
void CountTrackedKey(GameRun& run, int k);

// Step 4: a coin during a screensaver run makes it a normal run from now on.
void TurnIntoNormalRun(Statistics& statistics, GameRun& run, std::uint32_t now);

// Step 5: for normal runs, every 30 s while the game runs and once after it ends: the
// key counts and play time of the three records, and the total times. A run saved is a
// real one: it is counted first when it was not yet.
void SaveGameRun(Statistics& statistics, GameRun& run, std::uint32_t now);

}  // namespace catalogue
