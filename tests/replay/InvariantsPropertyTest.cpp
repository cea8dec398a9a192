// Random player scripts through the driver's reader and session: after every turn the state
// must keep the promises the rules make, whatever the player did.
#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <string>
#include <vector>

#include "DayReport.h"
#include "Invariants.h"
#include "ReplayCommand.h"
#include "ReplaySession.h"
#include "SensibleCastaway.h"
#include "ToldDay.h"

namespace kevolan::replay::testing {
namespace {

using kevolan::testing::BrokenInvariant;
using kevolan::testing::SensibleMove;

// Every name of the catalogue, then texts that are near one or no name at all.
const std::vector<std::string> kWords = [] {
  std::vector<std::string> words(std::next(kNameTexts.begin()), kNameTexts.end());
  for (const char* odd : {"фрукты", "", " ", "Хижина ", "Ёж \t\"\\"}) words.emplace_back(odd);
  return words;
}();

// A pick may name any option of the longest list, or one past it.
constexpr int kPastLongestList = static_cast<int>(ChoiceList::kCapacity);

// A script line, weighted towards what keeps a castaway alive long enough to see the rules:
// picking from lists, typing known names, and pressing the next-day button.
rc::Gen<std::string> GenLine() {
  const auto box = rc::gen::element<std::string>("food", "gather", "create", "repair");
  return rc::gen::weightedOneOf<std::string>({
      {6, rc::gen::just<std::string>("next")},
      {2, rc::gen::element<std::string>("eat on", "eat off")},
      {3, rc::gen::element<std::string>("activity gather", "activity create", "activity repair")},
      {6, rc::gen::map(rc::gen::pair(box, rc::gen::inRange(-1, kPastLongestList + 1)),
                       [](const std::pair<std::string, int>& p) {
                         return "pick " + p.first + " " + std::to_string(p.second);
                       })},
      {3, rc::gen::map(rc::gen::pair(box, rc::gen::elementOf(kWords)),
                       [](const std::pair<std::string, std::string>& p) {
                         return "type " + p.first + " " + p.second;
                       })},
      {1, rc::gen::just<std::string>("state")},
  });
}

// Runs one script line and checks the promises after every turn it runs.
void RunChecked(ReplaySession& session, const std::string& line) {
  const ParsedLine parsed = ParseLine(line);
  RC_ASSERT(parsed.Kind == ParsedLine::Kind::Command);
  const long long turnsBefore = session.Turns();
  std::string out;
  if (parsed.Command.Verb != Verb::Next) {
    session.Run(parsed.Command, line, out);
    RC_ASSERT(session.Turns() == turnsBefore);
    return;
  }
  const GameState before = session.State();
  session.Run(parsed.Command, line, out);
  RC_ASSERT(!out.empty());
  if (session.Turns() != turnsBefore) {
    const GameState& after = session.State();
    const std::string broken = BrokenInvariant(after, before.HungryDays, before.GameOver);
    if (!broken.empty())
      RC_FAIL("broken after turn " + std::to_string(session.Turns()) + ": " + broken);
    // The day's report tells exactly what the turn changed.
    const std::string told =
        kevolan::testing::MisreportedDay(before, after, speech::DayReport(before, after));
    if (!told.empty())
      RC_FAIL("the report of turn " + std::to_string(session.Turns()) + ": " + told);
  }
}

RC_GTEST_PROP(Invariants, HoldAfterEveryTurnOfAnyScript, ()) {
  const auto script = *rc::gen::container<std::vector<std::string>>(GenLine()).as("script");
  ReplaySession session;
  for (const std::string& line : script) RunChecked(session, line);
}

// Long games: mostly sensible moves with random ones mixed in, so that creations finish,
// items wear out and are repaired or lost, illness strikes and games end every way.
RC_GTEST_PROP(Invariants, HoldThroughLongGamesOfAMostlySensibleCastaway, ()) {
  const int steps = *rc::gen::inRange(1, 1500).as("steps");
  const int care = *rc::gen::inRange(70, 101).as("percent of sensible moves");
  ReplaySession session;
  for (int i = 0; i < steps && !session.State().GameOver; ++i) {
    const bool sensible = *rc::gen::inRange(0, 100) < care;
    RunChecked(session, sensible ? SensibleMove(session.State(), true) : *GenLine());
  }
  RC_TAG(session.Turns() / 100 * 100);
  RC_TAG(session.State()[Item::Boat].BuildDaysLeft.Value == 0 ? "sailed away" : "did not");
}

}  // namespace
}  // namespace kevolan::replay::testing
