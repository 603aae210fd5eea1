// One step of the search ring over a 50,000-game list: a turn, and an appended character
// at the start (every title still matching), when the ring is rebuilt over them all.
#include <benchmark/benchmark.h>

#include <optional>
#include <random>
#include <string>

#include "frontend/shell/search_ring.h"

using shell::SearchRing;

using catalogue::GameList;

namespace {

const GameList& BigList() {
  static const GameList list = [] {
    static const char* const words[] = {"Super", "Street", "Fighter", "Metal", "Slug", "Dragon", "Galaxy",
                                        "Blaster", "Return", "of", "the", "King", "Turbo", "Ninja", "Racing",
                                        "Zone", "Mega", "Puzzle", "Star", "Force", "\xC9t\xE9", "World"};
    std::mt19937 rng(3);
    GameList l;
    for (int i = 0; i < 50000; ++i) {
      std::string name;
      const int n = 2 + static_cast<int>(rng() % 4);
      for (int w = 0; w < n; ++w) name += std::string(w ? " " : "") + words[rng() % 22];
      name += " (World " + std::to_string(1980 + rng() % 40) + ", rev " + std::to_string(rng() % 5) + ")";
      l.entries.push_back({"rom" + std::to_string(i), name, "", "", "", "", name});
      l.displayOrder.push_back(i);
    }
    l.entryCount = 50000;
    return l;
  }();
  return list;
}

void BM_SearchOpen(benchmark::State& state) {
  for (auto _ : state) {
    SearchRing ring(BigList());
    benchmark::DoNotOptimize(ring.offered().data());
  }
}

void BM_SearchTurn(benchmark::State& state) {
  SearchRing ring(BigList());
  for (auto _ : state) {
    ring.Turn(1);
    benchmark::DoNotOptimize(ring.current());
  }
}

// On a fresh ring each time: the ring keeps the matches of a first character once typed.
void BM_SearchAppendFirstCharacter(benchmark::State& state) {
  std::optional<SearchRing> ring;
  for (auto _ : state) {
    state.PauseTiming();
    ring.reset();
    ring.emplace(BigList());
    ring->Turn(3);
    state.ResumeTiming();
    ring->Append();
    benchmark::DoNotOptimize(ring->selection());
  }
}

void BM_SearchRemoveToEmpty(benchmark::State& state) {
  SearchRing ring(BigList());
  ring.Turn(3);
  for (auto _ : state) {
    state.PauseTiming();
    ring.Append();
    state.ResumeTiming();
    ring.RemoveLast();
    benchmark::DoNotOptimize(ring.offered().data());
  }
}

}  // namespace

BENCHMARK(BM_SearchOpen)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_SearchTurn)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
// A fixed count of steps: the untimed ring set-up of each would otherwise be repeated
// until the few timed milliseconds add up to the default half second, which takes hours.
BENCHMARK(BM_SearchAppendFirstCharacter)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_SearchRemoveToEmpty)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(10)->ReportAggregatesOnly(true);
