// Writes the whole-game plans of tests/plans: a script for each way a game ends, played by a
// castaway who neglects one thing, and the final state and last messages it must reach; and
// says what changed in each file it rewrote. Run by `make regen`, or from the project root:
// build/bin/make_plans tests/plans
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "ChangeWords.h"
#include "GoldenScripts.h"
#include "ReplaySession.h"
#include "Review.h"
#include "SensibleCastaway.h"
#include "Solver.h"

namespace {

using kevolan::testing::CastawayPlan;

// Writes a plan's file, saying how it differs from the one it replaces; false (and said) when
// it cannot be written.
bool Rewrite(const std::string& path, const std::string& text) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream old;
  old << in.rdbuf();
  if (!kevolan::replay::testing::WriteGoldenFile(path, text)) {
    std::cerr << "make_plans: cannot write " << path << '\n';
    return false;
  }
  const std::string name = path.substr(path.find_last_of('/') + 1);
  if (!in) {
    std::cout << name << ": new\n";
  } else if (old.str() != text) {
    std::cout << name << ": " << kevolan::replay::testing::FirstChangeInWords(old.str(), text)
              << '\n';
  }
  return true;
}

struct PlanRecipe {
  const char* Name;
  const char* Story;
  CastawayPlan Plan;
  int FirstIdleTurns;  // days of doing nothing at the start (only for starving)
};

bool WritePlan(const std::string& dir, const PlanRecipe& recipe) {
  kevolan::replay::ReplaySession session;
  std::string script = std::string("# ") + recipe.Story + "\n";
  std::string out;
  for (int i = 0; i < recipe.FirstIdleTurns && !session.State().GameOver; ++i) {
    kevolan::testing::PlayLine(session, "next", script, out);
  }
  kevolan::testing::PlayCastaway(session, recipe.Plan, 2000, script, out);
  if (!session.State().GameOver) {
    std::cerr << "make_plans: " << recipe.Name << " never ends as its story says\n";
    return false;
  }
  return Rewrite(dir + "/" + recipe.Name + ".txt", script) &&
         Rewrite(dir + "/" + recipe.Name + ".expected.json", out);  // the last turn's answer
}

// The shortest victory from a new game, as the solver proves it: with typed texts, and with
// listed options only (one thread, so that the line found is the same each time).
bool WriteShortest(const std::string& dir, bool listsOnly) {
  kevolan::solver::ShortestLimits limits;
  limits.ListsOnly = listsOnly;
  limits.MaxBytes = std::size_t(4) << 30;
  const kevolan::solver::ShortestResult shortest =
      kevolan::solver::Shortest(kevolan::NewGame(), limits);
  if (!shortest.Proven) {
    std::cerr << "make_plans: no shortest victory proven\n";
    return false;
  }
  // The review after a victory quotes these days without proving them again.
  const int kept =
      listsOnly ? kevolan::solver::kShortestListedVictory : kevolan::solver::kShortestVictory;
  if (shortest.Days != kept) {
    std::cerr << "make_plans: the shortest victory" << (listsOnly ? " of listed options" : "")
              << " is now " << shortest.Days << " days, but solver/Review.h keeps " << kept << "\n";
    return false;
  }
  kevolan::replay::ReplaySession session;
  const std::string name = listsOnly ? "shortest-listed-victory" : "shortest-victory";
  std::string script =
      "# The shortest victory there is: " + std::to_string(shortest.Days) +
      (listsOnly ? " days, picking listed options only.\n" : " days, typed texts and all.\n");
  std::string out;
  std::size_t from = 0;
  while (from < shortest.Script.size()) {
    const std::size_t end = shortest.Script.find('\n', from);
    kevolan::testing::PlayLine(session, shortest.Script.substr(from, end - from), script, out);
    from = end + 1;
  }
  if (session.State().Outcome != kevolan::Outcome::Won) {
    std::cerr << "make_plans: the proven shortest victory does not win when played\n";
    return false;
  }
  return Rewrite(dir + "/" + name + ".txt", script) &&
         Rewrite(dir + "/" + name + ".expected.json", out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_plans DIR\n";
    return 2;
  }
  CastawayPlan won;
  CastawayPlan oldRags;
  oldRags.RepairOldClothes = false;
  oldRags.BuildNewClothes = false;
  CastawayPlan newRags;
  newRags.BuildBoat = false;
  newRags.KeepOldClothes = true;
  newRags.RepairNewClothes = false;
  CastawayPlan hut;
  hut.BuildBoat = false;
  hut.RepairHut = false;
  CastawayPlan cave;
  cave.BuildBoat = false;
  cave.BuildCave = true;
  cave.AbandonHutForCave = true;
  cave.RepairCave = false;
  CastawayPlan noDwelling;
  noDwelling.BuildHut = false;
  noDwelling.BuildBoat = false;
  CastawayPlan idle;

  const PlanRecipe recipes[] = {
      {"won-by-boat", "Fed, clothed and housed until the boat is built.", won, 0},
      {"died-of-hunger", "Six days without food.", idle, 6},
      {"old-clothes-worn-out", "The old clothes are never repaired and nothing replaces them.",
       oldRags, 0},
      {"new-clothes-worn-out", "New clothes are made and never repaired.", newRags, 0},
      {"hut-collapsed", "The hut is never repaired and there is no cave.", hut, 0},
      {"cave-fell-in", "Hut and cave are never repaired: the hut goes first, then the cave.", cave,
       0},
      {"no-dwelling-in-february", "No hut or cave by 1 February.", noDwelling, 0},
  };
  bool ok = true;
  for (const PlanRecipe& recipe : recipes) ok = WritePlan(argv[1], recipe) && ok;
  for (const bool listsOnly : {false, true}) ok = WriteShortest(argv[1], listsOnly) && ok;
  std::cout << "plans: " << (ok ? "written" : "not all written") << " in " << argv[1] << '\n';
  return ok ? 0 : 1;
}
