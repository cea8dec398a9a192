// Figures to read under callgrind, counted only over the measured work:
//   valgrind --tool=callgrind --instr-atstart=no bench_callgrind_figures turns
//       every day turn of a 10,000-turn game of the endless castaway (divide by 10,000);
//   valgrind --tool=callgrind --instr-atstart=no bench_callgrind_figures json
//       one mid-game state written as JSON 10,000 times (divide by 10,000).
// `bench_callgrind_figures script FILE` writes the game's script for kevolan-replay itself.
#include <valgrind/callgrind.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "DayTurn.h"
#include "ReplayCommand.h"
#include "ReplaySession.h"
#include "SensibleCastaway.h"
#include "StateJson.h"

namespace {

constexpr long long kTurns = 10000;
constexpr long long kWrites = 10000;

class Silent final : public kevolan::Messenger {
 public:
  void Show(std::string_view) override {}
};

std::string EndlessScript() { return kevolan::testing::EndlessCastawayScript(kTurns); }

// The whole game once more: the player's own actions through the session, every day turn run
// directly on a copy of the state so that only the turns are counted.
long long CountTurns(const std::string& script) {
  kevolan::replay::ReplaySession session;
  std::string answer;
  Silent silent;
  long long turns = 0;
  for (std::size_t at = 0; at < script.size();) {
    const std::size_t end = script.find('\n', at);
    const std::string line = script.substr(at, end - at);
    at = end + 1;
    const auto parsed = kevolan::replay::ParseLine(line);
    if (parsed.Command.Verb != kevolan::replay::Verb::Next) {
      answer.clear();
      session.Run(parsed.Command, line, answer);
      continue;
    }
    kevolan::GameState s = session.State();
    CALLGRIND_START_INSTRUMENTATION;
    kevolan::DayTurn(s, silent);
    CALLGRIND_STOP_INSTRUMENTATION;
    ++turns;
    answer.clear();
    session.Run(parsed.Command, line, answer);  // the same turn, so the game goes on alike
  }
  return turns;
}

std::size_t CountJson(const std::string& script) {
  kevolan::replay::ReplaySession session;
  std::string answer;
  for (std::size_t at = 0; at < script.size() && session.Turns() < 60;) {
    const std::size_t end = script.find('\n', at);
    const std::string line = script.substr(at, end - at);
    at = end + 1;
    answer.clear();
    session.Run(kevolan::replay::ParseLine(line).Command, line, answer);
  }
  std::string out;
  out.reserve(4096);
  CALLGRIND_START_INSTRUMENTATION;
  for (long long i = 0; i < kWrites; ++i) {
    out.clear();
    kevolan::replay::AppendStateJson(out, session.State());
  }
  CALLGRIND_STOP_INSTRUMENTATION;
  return out.size();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view mode = argc > 1 ? argv[1] : "";
  const std::string script = EndlessScript();
  if (mode == "script" && argc > 2) {
    std::ofstream(argv[2], std::ios::binary) << script;
  } else if (mode == "turns") {
    std::printf("day turns counted: %lld\n", CountTurns(script));
  } else if (mode == "json") {
    std::printf("states written: %lld, %zu bytes each\n", kWrites, CountJson(script));
  } else {
    std::fprintf(stderr, "usage: bench_callgrind_figures turns | json | script FILE\n");
    return 2;
  }
  std::printf("sizeof(GameState): %zu bytes\n", sizeof(kevolan::GameState));
  return 0;
}
