// The shortest victory from a new game, and kevolan-solve around it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Review.h"
#include "SolveCli.h"
#include "Solver.h"

namespace kevolan::solver::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kPlan = fs::path(KEVOLAN_SOURCE_DIR) / "tests" / "plans" / "shortest-victory.txt";
const fs::path kListedPlan =
    fs::path(KEVOLAN_SOURCE_DIR) / "tests" / "plans" / "shortest-listed-victory.txt";

std::string Commands(const std::string& script) {
  std::istringstream in(script);
  std::string line;
  std::string out;
  while (std::getline(in, line)) {
    if (!line.empty() && line[0] != '#') out += line + "\n";
  }
  return out;
}

std::string ReadPlan(const fs::path& plan = kPlan) {
  std::ifstream in(plan, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int Solve(const std::vector<std::string>& args, const std::string& input, std::string& out,
          std::string& err) {
  std::istringstream in(input);
  std::ostringstream o;
  std::ostringstream e;
  const int status = solve::RunSolve(args, in, o, e);
  out = o.str();
  err = e.str();
  return status;
}

TEST(Shortest, FromANewGameIsTheRecordedPlan) {
  const ShortestResult r = Shortest(NewGame());
  ASSERT_TRUE(r.Proven);
  EXPECT_EQ(r.Days, kShortestVictory);
  EXPECT_EQ(r.LowerBound, kShortestVictory);
  EXPECT_EQ(r.Script, Commands(ReadPlan()));
}

// The review keeps both shortest victories as numbers, as proving the listed one takes longer
// than it may think: they are the days of the plans the solver proved and wrote.
TEST(Shortest, TheReviewsNumbersAreTheProvenPlans) {
  for (const auto& [plan, days] :
       {std::pair{kPlan, kShortestVictory}, std::pair{kListedPlan, kShortestListedVictory}}) {
    const std::string script = ReadPlan(plan);
    std::istringstream lines(script);
    std::string line;
    int nexts = 0;
    while (std::getline(lines, line)) nexts += line == "next" ? 1 : 0;
    EXPECT_EQ(nexts, days) << plan;
    EXPECT_NE(script.find("# The shortest victory there is: " + std::to_string(days) + " days"),
              std::string::npos)
        << plan;
  }
}

TEST(Shortest, SolveFromAScriptsEnd) {
  // Half the plan played: the rest of it is still the shortest way, 57 days.
  const std::string plan = Commands(ReadPlan());
  std::size_t cut = 0;
  for (int turns = 0; turns < 57; ++turns) cut = plan.find("next\n", cut) + 5;
  std::string out;
  std::string err;
  ASSERT_EQ(Solve({"-"}, plan.substr(0, cut), out, err), solve::kExitProven) << err;
  EXPECT_NE(out.find("from the end of standard input (typed texts allowed): 57 days"),
            std::string::npos)
      << out;

  // A time limit far off: the proof comes first, and the clock stops with it.
  ASSERT_EQ(Solve({"--max-seconds", "600"}, "", out, err), solve::kExitProven) << err;
  EXPECT_NE(out.find("a new game (typed texts allowed): 114 days"), std::string::npos) << out;

  ASSERT_EQ(Solve({kPlan.string()}, "", out, err), solve::kExitFailed);
  EXPECT_NE(err.find("already over"), std::string::npos) << err;
  EXPECT_EQ(out, "");
}

TEST(Shortest, SolveRefusesBadInput) {
  std::string out;
  std::string err;
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"--fly"},
                                             {"--max-seconds"},
                                             {"--max-seconds", "0"},
                                             {"--max-turns", "-5"},
                                             {"--max-megabytes", "99999999999999999"},
                                             {"a.txt", "b.txt"}}) {
    EXPECT_EQ(Solve(args, "", out, err), solve::kExitUsage) << args[0];
    EXPECT_NE(err.find("Usage:"), std::string::npos) << args[0];
  }
  EXPECT_EQ(Solve({"-"}, "eat on\nfly away\n", out, err), solve::kExitUsage);
  EXPECT_NE(err.find("line 2"), std::string::npos) << err;
  EXPECT_EQ(Solve({"-"}, "type food \xff\n", out, err), solve::kExitUsage);
  EXPECT_EQ(Solve({"/nonexistent/plan.txt"}, "", out, err), solve::kExitFailed);
  EXPECT_NE(err.find("cannot read"), std::string::npos) << err;
  // Cut short at once, the planned castaway's line as short as the bound at the start is proof.
  EXPECT_EQ(Solve({"--max-turns", "1"}, "", out, err), solve::kExitProven) << err;
  EXPECT_NE(out.find(": 114 days"), std::string::npos) << out;
  for (const char* help : {"-h", "--help"}) {
    EXPECT_EQ(Solve({help}, "", out, err), solve::kExitProven) << help;
    EXPECT_EQ(out.rfind("Usage: kevolan-solve", 0), 0u) << help;
  }
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"--threads", "0"}, {"--threads", "257"}}) {
    EXPECT_EQ(Solve(args, "", out, err), solve::kExitUsage) << args[1];
  }
  // A limit too small for a proof: the bound proven and the planned castaway's line.
  EXPECT_EQ(Solve({"--lists-only", "--max-turns", "1000"}, "", out, err), solve::kExitFailed);
  EXPECT_NE(err.find("takes fewer than"), std::string::npos) << err;
  EXPECT_NE(out.find("not proven shortest"), std::string::npos) << out;
}

}  // namespace
}  // namespace kevolan::solver::testing

namespace kevolan::solver::testing {
namespace {

// The clock stops the search after the seconds given, not at once and not never: a search of
// listed options from a new game takes longer than that.
TEST(Shortest, StopsWhenTheSecondsAreUp) {
  std::string out;
  std::string err;
  // On one thread the proof from a new game takes over two seconds.
  ASSERT_EQ(Solve({"--lists-only", "--threads", "1", "--max-seconds", "1"}, "", out, err),
            solve::kExitFailed);
  EXPECT_NE(err.find("not proven within the limits"), std::string::npos) << err;
  const std::size_t figures = err.find("\n# ");
  ASSERT_NE(figures, std::string::npos) << err;
  EXPECT_GE(std::stod(err.substr(figures + 3)), 1.0) << err;
}

}  // namespace
}  // namespace kevolan::solver::testing
