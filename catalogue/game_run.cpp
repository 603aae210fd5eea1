#include "catalogue/game_run.h"

namespace catalogue {

namespace {

std::int32_t PlusOne(std::int32_t v) { return AddCount(v, 1); }

// Writes the run count (Nb or NbScr) of the three records: the game's from its record,
// the list's and the installation's from the program-wide totals, which keep them.
void CountRunOf(Statistics& statistics, const GameRun& run, std::int32_t StatisticsRecord::*counter) {
  const StatisticsFiles& files = statistics.files;
  StatisticsRecord game, list, global;
  game.*counter = PlusOne(run.game.*counter);
  statistics.global.*counter = PlusOne(statistics.global.*counter);
  statistics.list.*counter = PlusOne(statistics.list.*counter);
  global.*counter = statistics.global.*counter;
  list.*counter = statistics.list.*counter;
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

GameRun BeginGameRun(const Statistics& statistics, std::string_view romName, bool screensaver, std::uint32_t now) {
  GameRun run;
  run.romName = std::string(romName);
  run.screensaver = screensaver;
  run.startTick = now;
  ReadStatistics(statistics.files, "", run.global, kGlobalStatistics);
  ReadStatistics(statistics.files, "", run.list, kListStatistics);
  ReadStatistics(statistics.files, run.romName, run.game, kGameStatistics);
  return run;
}

void CountGameRun(Statistics& statistics, GameRun& run) {
  if (run.counted) return;
  run.counted = true;
  CountRunOf(statistics, run, run.screensaver ? &StatisticsRecord::nbScr : &StatisticsRecord::nb);
}

void CountTrackedKey(GameRun& run, int k) {
  if (k < 1 || k > 4) return;
  auto& n = run.keyCounts[static_cast<std::size_t>(k - 1)];
  n = PlusOne(n);
}

void TurnIntoNormalRun(Statistics& statistics, GameRun& run, std::uint32_t now) {
  if (!run.screensaver) return;
  CountGameRun(statistics, run);  // the screensaver's start, when it was not counted yet
  run.screensaver = false;
  run.startTick = now;
  CountRunOf(statistics, run, &StatisticsRecord::nb);
}

void SaveGameRun(Statistics& statistics, GameRun& run, std::uint32_t now) {
  CountGameRun(statistics, run);
  if (run.screensaver) return;  // a screensaver run counts only its start
  const StatisticsFiles& files = statistics.files;
  SaveStatistics(files, run.romName, PlayOf(run, run.game, now), kGameStatistics);
  StatisticsRecord global = PlayOf(run, run.global, now);
  global.totalTime = AddPlayTime(statistics.global.totalTime, now - statistics.startTick);
  SaveStatistics(files, "", global, kGlobalStatistics);
  StatisticsRecord list = PlayOf(run, run.list, now);
  list.totalTime = AddPlayTime(statistics.list.totalTime, now - statistics.listLoadTick);
  SaveStatistics(files, "", list, kListStatistics);
}

}  // namespace catalogue
