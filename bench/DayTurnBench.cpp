// How fast the rules run: one day turn on a mid-game state, and a whole 10,000-turn replay.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "DayTurn.h"
#include "ReplayCommand.h"
#include "ReplaySession.h"
#include "RunReplay.h"
#include "SensibleCastaway.h"

namespace {

using kevolan::GameState;

class Silent final : public kevolan::Messenger {
 public:
  void Show(std::string_view) override {}
};

// A script of a castaway who never finishes the boat, played until it holds `turns` days.
std::string LongScript(int turns, GameState* midGame) {
  kevolan::replay::ReplaySession session;
  std::string script;
  std::string out;
  while (session.Turns() < turns && !session.State().GameOver) {
    const std::string line = kevolan::testing::SensibleMove(session.State(), false);
    script += line;
    script += '\n';
    out.clear();
    session.Run(kevolan::replay::ParseLine(line).Command, line, out);
    if (midGame != nullptr && session.Turns() == 60) *midGame = session.State();
  }
  return script;
}

GameState MidGame() {
  GameState s;
  LongScript(61, &s);
  return s;
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

void BM_Replay10000Turns(benchmark::State& state) {
  const std::string script = LongScript(10000, nullptr);
  for (auto _ : state) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    benchmark::DoNotOptimize(kevolan::replay::RunReplay(in, out, err));
  }
}
BENCHMARK(BM_Replay10000Turns)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
