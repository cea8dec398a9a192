#include "Positions.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "Bound.h"
#include "GoldenScripts.h"
#include "Moves.h"
#include "Playout.h"
#include "ReplayCommand.h"
#include "ReplaySession.h"

namespace kevolan::solver::testing {

void AddPositions(const std::string& name, const std::string& script, int every,
                  std::vector<Position>& into) {
  replay::ReplaySession session;
  std::istringstream lines(script);
  std::string line;
  std::string played;
  std::string answer;
  long long turns = -1;
  const auto keep = [&] {
    if (session.State().GameOver || session.Turns() == turns) return;
    turns = session.Turns();
    if (turns % every == 0) {
      into.push_back(
          {name + " after " + std::to_string(turns) + " turns", played, session.State()});
    }
  };
  keep();
  while (std::getline(lines, line)) {
    played += line;
    played += '\n';
    const replay::ParsedLine parsed = replay::ParseLine(line);
    if (parsed.Kind != replay::ParsedLine::Kind::Command) continue;
    answer.clear();
    session.Run(parsed.Command, line, answer);
    keep();
  }
}

std::vector<Position> PlanPositions(int every) {
  namespace fs = std::filesystem;
  std::vector<fs::path> plans;
  for (const auto& entry :
       fs::directory_iterator(fs::path(KEVOLAN_SOURCE_DIR) / "tests" / "plans")) {
    if (entry.path().extension() == ".txt") plans.push_back(entry.path());
  }
  std::sort(plans.begin(), plans.end());
  std::vector<Position> out;
  for (const fs::path& p : plans) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    AddPositions(p.filename().string(), text.str(), every, out);
  }
  return out;
}

std::vector<Position> RandomGamePositions(int first, int count, int every) {
  std::vector<Position> out;
  for (int i = first; i < first + count; ++i) {
    AddPositions("random game " + std::to_string(i),
                 replay::testing::GoldenScript(static_cast<std::uint64_t>(i)), every, out);
  }
  return out;
}

std::vector<Position> SteeredGamePositions(int first, int count, int every, int stray) {
  std::vector<Position> out;
  for (int game = first; game < first + count; ++game) {
    std::mt19937 draw(static_cast<unsigned>(game));
    std::string script;
    GameState s = NewGame();
    for (int turn = 0; turn < kLongestLine && !s.GameOver; ++turn) {
      Move m = PlannedMove(s, true);
      if (std::uniform_int_distribution<int>(1, stray)(draw) == 1) {
        std::vector<Move> alive;
        for (const Move& any : ListMoves(s)) {
          GameState t = s;
          if (Play(t, any) && !t.GameOver && TurnsToVictoryAtLeast(t, true) < kNever) {
            alive.push_back(any);
          }
        }
        if (!alive.empty()) {
          m = alive[std::uniform_int_distribution<std::size_t>(0, alive.size() - 1)(draw)];
        }
      }
      if (turn % every == 0) {
        out.push_back({"steered game " + std::to_string(game) + " after " + std::to_string(turn) +
                           " turns",
                       script, s});
      }
      for (const std::string& c : CommandsFor(s, m)) script += c + "\n";
      script += "next\n";
      if (!Play(s, m)) break;
    }
  }
  return out;
}

bool NearDeath(const GameState& s) {
  const auto worn = [&](Item item) { return s[item].Owned && s[item].WearDaysLeft.Value <= 3; };
  const bool roofless = !s[Item::Hut].Owned && !s[Item::Cave].Owned;
  bool run = false;
  for (Food f : kFoods) run = run || (s.Streak(f) % 25 >= 20 && s.Streak(f) % 25 <= 24);
  return s.HungryDays == 4 || s.HungryDays == 5 || worn(Item::OldClothes) ||
         worn(Item::NewClothes) || (worn(Item::Hut) && !s[Item::Cave].Owned) ||
         (roofless && s.Month == Month::January && s.Day >= 25) || run || !s.ActivityEnabled;
}

std::vector<Position> NearDeathPositions(int first, int count, int every) {
  std::vector<Position> near;
  int seen = 0;
  for (Position& p : RandomGamePositions(first, count, 1)) {
    if (NearDeath(p.State) && seen++ % every == 0) near.push_back(std::move(p));
  }
  return near;
}

}  // namespace kevolan::solver::testing
