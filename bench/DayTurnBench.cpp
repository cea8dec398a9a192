// How fast the rules run: one day turn on a mid-game state, one state written as JSON, and a
// whole 10,000-turn replay. Read the medians: --benchmark_repetitions=9
// --benchmark_report_aggregates_only=true.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "DayTurn.h"
#include "DriverRun.h"
#include "ReplaySession.h"
#include "SensibleCastaway.h"
#include "StateJson.h"

namespace {

using kevolan::GameState;

class Silent final : public kevolan::Messenger {
 public:
  void Show(std::string_view) override {}
};

// A castaway who never finishes the boat, so the game runs on for as long as asked.
kevolan::testing::CastawayPlan Endless() {
  kevolan::testing::CastawayPlan plan;
  plan.BuildBoat = false;
  return plan;
}

std::string LongScript(long long turns) { return kevolan::testing::EndlessCastawayScript(turns); }

GameState MidGame() {
  kevolan::replay::ReplaySession session;
  std::string script;
  std::string answer;
  kevolan::testing::PlayCastaway(session, Endless(), 60, script, answer);
  return session.State();
}

void BM_DayTurn(benchmark::State& state) {
  const GameState start = MidGame();
  // Fresh copies are made outside the timed part, so only the turn itself is measured.
  std::vector<GameState> pool(4096, start);
  std::size_t next = 0;
  Silent silent;
  for (auto _ : state) {
    if (next == pool.size()) {
      state.PauseTiming();
      std::fill(pool.begin(), pool.end(), start);
      next = 0;
      state.ResumeTiming();
    }
    kevolan::DayTurn(pool[next++], silent);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DayTurn);

void BM_StateJson(benchmark::State& state) {
  const GameState s = MidGame();
  std::string out;
  for (auto _ : state) {
    out.clear();
    kevolan::replay::AppendStateJson(out, s);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_StateJson);

void BM_Replay10000Turns(benchmark::State& state) {
  const std::string script = LongScript(10000);
  for (auto _ : state) {
    benchmark::DoNotOptimize(kevolan::testing::RunDriver(script).Exit);
  }
}
BENCHMARK(BM_Replay10000Turns)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
