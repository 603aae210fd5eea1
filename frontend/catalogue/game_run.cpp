#include "frontend/catalogue/game_run.h"

namespace {

std::int32_t PlusOne(std::int32_t v) { return AddCount(v, 1); }

// Writes the run count (Nb or NbScr) of the three records: the game's from its record,
// the list's and the installation's from the program-wide totals, which keep them.
void CountRunOf(const GameRun& run, std::int32_t StatisticsRecord::*counter) {
  const StatisticsFiles& files = gStatistics.files;
  StatisticsRecord game, list, global;
  game.*counter = PlusOne(run.game.*counter);
  gStatistics.global.*counter = PlusOne(gStatistics.global.*counter);
  gStatistics.list.*counter = PlusOne(gStatistics.list.*counter);
  global.*counter = gStatistics.global.*counter;
  list.*counter = gStatistics.list.*counter;
  SaveStatistics(files, run.romName, game, kGameStatistics);
  SaveStatistics(files, "", global, kGlobalStatistics);
  SaveStatistics(files, "", list, kListStatistics);
}

StatisticsRecord PlayOf(const GameRun& run, const StatisticsRecord& before, std::uint32_t now) {
  StatisticsRecord r;
  for (std::size_t k = 0; k < 4; ++k) r.c[k] = AddCount(before.c[k], run.keyCounts[k]);
  r.playTime = AddPlayTime(before.playTime, now - run.startTick);
  return r;
}

}  // namespace

GameRun BeginGameRun(std::string_view romName, bool screensaver, std::uint32_t now) {
  GameRun run;
  run.romName = std::string(romName);
  run.screensaver = screensaver;
  run.startTick = now;
  ReadStatistics(gStatistics.files, "", run.global, kGlobalStatistics);
  ReadStatistics(gStatistics.files, "", run.list, kListStatistics);
  ReadStatistics(gStatistics.files, run.romName, run.game, kGameStatistics);
  CountRunOf(run, screensaver ? &StatisticsRecord::nbScr : &StatisticsRecord::nb);
  return run;
}

void CountTrackedKey(GameRun& run, int k) {
  if (k < 1 || k > 4) return;
  auto& n = run.keyCounts[static_cast<std::size_t>(k - 1)];
  n = PlusOne(n);
}

void TurnIntoNormalRun(GameRun& run, std::uint32_t now) {
  if (!run.screensaver) return;
  run.screensaver = false;
  run.startTick = now;
  CountRunOf(run, &StatisticsRecord::nb);
}

void SaveGameRun(const GameRun& run, std::uint32_t now) {
  if (run.screensaver) return;  // a screensaver run counts only its start
  const StatisticsFiles& files = gStatistics.files;
  SaveStatistics(files, run.romName, PlayOf(run, run.game, now), kGameStatistics);
  StatisticsRecord global = PlayOf(run, run.global, now);
  global.totalTime = AddPlayTime(gStatistics.global.totalTime, now - gStatistics.startTick);
  SaveStatistics(files, "", global, kGlobalStatistics);
  StatisticsRecord list = PlayOf(run, run.list, now);
  list.totalTime = AddPlayTime(gStatistics.list.totalTime, now - gStatistics.listLoadTick);
  SaveStatistics(files, "", list, kListStatistics);
}
