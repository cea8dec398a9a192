// The review after the end, timed (CPU time of this thread, not wall): a lost game of 365 days, a
// victory of 206 days, and every plan of tests/plans that ends. Figures only; nothing is asserted.
//   build/bin/bench_review_figures [--scripts DIR]   (DIR: where to write the two long games'
//   scripts, for the page's worker to be timed on the same games)
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ReplaySession.h"
#include "Review.h"
#include "ReviewAnswer.h"
#include "SensibleCastaway.h"
#include "Solver.h"

namespace {

using namespace kevolan;

double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Game {
  std::string Name;
  std::string Script;
};

// A castaway who never builds the boat, and after `careful` days stops eating: no dying day of
// the game's other ends falls on the 365th.
std::string LostAfter(long long careful, long long& days) {
  replay::ReplaySession session;
  std::string script = "# Fed, clothed and housed without a boat, then no more meals.\n";
  std::string out;
  testing::CastawayPlan safe;
  safe.BuildBoat = false;
  testing::PlayCastaway(session, safe, careful, script, out);
  if (session.State().EatToday) testing::PlayLine(session, "eat off", script, out);
  while (!session.State().GameOver) testing::PlayLine(session, "next", script, out);
  days = session.Turns();
  return script;
}

// A castaway who looks after himself at first, then follows the hint to the boat, handing over
// on the first day from which the hint's line ends on day `target`.
Game WonIn(const char* name, long long target) {
  replay::ReplaySession session;
  std::string script = "# Fed, clothed and housed at first, then the hint followed to the boat.\n";
  std::string out;
  while (session.Turns() + solver::Hint(session.State()).DaysToVictory != target) {
    if (session.Turns() >= target || session.State().GameOver) return {name, ""};
    testing::PlayCastaway(session, testing::CastawayPlan{}, session.Turns() + 1, script, out);
  }
  while (!session.State().GameOver) {
    const solver::HintResult hint = solver::Hint(session.State());
    if (hint.Verdict != solver::Verdict::Win) break;
    for (const std::string& line : hint.FirstMoveCommands) {
      testing::PlayLine(session, line, script, out);
    }
    testing::PlayLine(session, "next", script, out);
  }
  return {name, session.State().Outcome == Outcome::Won ? script : ""};
}

// The first lost game that lasts exactly `target` days.
Game LostIn(const char* name, long long target) {
  for (long long careful = target - 6; careful <= target; ++careful) {
    long long days = 0;
    std::string script = LostAfter(careful, days);
    if (days == target) return {name, script};
  }
  return {name, ""};
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

int main(int argc, char** argv) {
  const char* scriptsDir = argc > 2 && std::strcmp(argv[1], "--scripts") == 0 ? argv[2] : nullptr;
  std::vector<Game> games;
  games.push_back(LostIn("a lost game of 365 days", 365));
  games.push_back(WonIn("a victory in 206 days", 206));
  if (scriptsDir != nullptr) {
    std::ofstream(std::filesystem::path(scriptsDir) / "review-lost-365.txt") << games[0].Script;
    std::ofstream(std::filesystem::path(scriptsDir) / "review-won-206.txt") << games[1].Script;
    return games[0].Script.empty() || games[1].Script.empty() ? 1 : 0;
  }
  const std::filesystem::path plans = std::filesystem::path(KEVOLAN_SOURCE_DIR) / "tests" / "plans";
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(plans)) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const auto& file : files) games.push_back({file.filename().string(), ReadFile(file)});

  std::printf("review after the end, the hint's budget (%lld day turns for the whole review)\n",
              solver::HintBudget{}.MaxTurns);
  for (const Game& game : games) {
    if (game.Script.empty()) {
      std::printf("%-32s no such game found\n", game.Name.c_str());
      continue;
    }
    replay::ReplaySession session;
    const auto record = replay::AnswerReviews(session);
    replay::PlayScript(session, game.Script);
    if (!session.State().GameOver) continue;
    const double before = CpuMs();
    const solver::ReviewResult r = solver::Review(*record);
    const double spent = CpuMs() - before;
    std::printf("%-28s %4lld days, CPU %7.1f ms, %7lld day turns\n  %s\n", game.Name.c_str(),
                r.Days, spent, r.TurnsPlayed, replay::ReviewJson(r).c_str());
  }
  return 0;
}
