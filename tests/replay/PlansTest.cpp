// Whole games from tests/plans, one for each way a game ends: each must end exactly as written
// down, with the messages its ending calls for, every day of it told as it changed the window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "DayReport.h"
#include "JsonDiff.h"
#include "ReplayCommand.h"
#include "ReplaySession.h"
#include "ReplayTestSupport.h"
#include "ToldDay.h"

namespace kevolan::replay::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kPlans = fs::path(KEVOLAN_SOURCE_DIR) / "tests" / "plans";

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// How each plan's game ends; of several ends in the last turn, the last death counts.
const std::map<std::string, std::string> kOutcomes = {
    {"won-by-boat", "won"},
    {"died-of-hunger", "starved"},
    {"old-clothes-worn-out", "old-clothes-rags"},
    {"new-clothes-worn-out", "new-clothes-rags"},
    {"hut-collapsed", "hut-collapsed"},
    {"cave-fell-in", "cave-fell-in"},  // after the hut's message, stale since it fell earlier
    {"no-dwelling-in-february", "no-dwelling"},
};

// What each ending must say on the last turn, as the rules word it.
const std::map<std::string, std::vector<std::string>> kLastMessages = {
    {"won-by-boat", {}},  // the date in the victory message is checked below
    {"died-of-hunger",
     {"Вы не ели за весь период пребывания на острове больше 5 дней и умерли с голода"}},
    {"old-clothes-worn-out", {"Ваша старая одежда превратилась в лохмотья и вы умерли от холода"}},
    {"new-clothes-worn-out",
     {"Вы не успели починить вашу одежда и она превратилась в лохмотья. Вы умерли от холода :)"}},
    {"hut-collapsed",
     {"Ваша хижина давно не ремонтировалась и от этого развалилась и придавила вас"}},
    {"cave-fell-in",
     {"Ваша хижина давно не ремонтировалась и от этого развалилась и придавила вас",
      "Ваша пещера обвалилась и и вас задавило"}},
    {"no-dwelling-in-february", {"Вы не успели построить жилище в первый месяц и замерзлм"}},
};

class Plan : public ::testing::TestWithParam<std::string> {};

TEST_P(Plan, EndsAsWrittenDown) {
  const std::string name = GetParam();
  const ReplayRun run = Replay(ReadFile(kPlans / (name + ".txt")));
  ASSERT_EQ(run.Exit, 0) << run.Err;
  const nlohmann::json* last = nullptr;
  for (const auto& line : run.Lines) {
    ASSERT_FALSE(line.contains("Refused")) << line.dump();  // a plan only does what it can
    if (line.contains("Turn")) last = &line;
  }
  ASSERT_NE(last, nullptr);
  const std::string differences = kevolan::testing::JsonDifferences(
      nlohmann::json::parse(ReadFile(kPlans / (name + ".expected.json"))), *last);
  if (!differences.empty()) {
    ADD_FAILURE() << name << ".expected.json and the last turn differ:\n" << differences;
  }
  EXPECT_TRUE(last->at("State").at("GameOver").get<bool>());
  EXPECT_EQ(last->at("State").at("Outcome"), kOutcomes.at(name));
  // Until that turn the game goes on.
  for (const auto& line : run.Lines) {
    if (&line != last && line.contains("State")) {
      ASSERT_EQ(line.at("State").at("Outcome"), "playing") << line.dump();
    }
  }

  const auto& messages = last->at("Messages");
  if (name == "won-by-boat") {
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(last->at("State").at("Items").at("Boat").at("BuildDaysLeft"), 0);
    EXPECT_EQ(
        messages[0].get<std::string>().rfind("GПоздравляем. Вы благополучно уплыли с острова ", 0),
        0u);
  } else {
    EXPECT_EQ(messages, nlohmann::json(kLastMessages.at(name)));
  }

  // A player who cannot see the window hears each day's news from the day's report.
  ReplaySession session;
  std::istringstream script(ReadFile(kPlans / (name + ".txt")));
  int number = 0;
  std::string out;
  for (std::string line; std::getline(script, line);) {
    ++number;
    const ParsedLine parsed = ParseLine(line);
    if (parsed.Kind != ParsedLine::Kind::Command) continue;
    const GameState before = session.State();
    out.clear();
    session.Run(parsed.Command, line, out);
    if (parsed.Command.Verb != Verb::Next) continue;
    const GameState& after = session.State();
    const std::string wrong =
        kevolan::testing::MisreportedDay(before, after, speech::DayReport(before, after));
    ASSERT_TRUE(wrong.empty()) << name << ".txt line " << number << ": " << wrong;
  }
}

INSTANTIATE_TEST_SUITE_P(Plans, Plan,
                         ::testing::Values("won-by-boat", "died-of-hunger", "old-clothes-worn-out",
                                           "new-clothes-worn-out", "hut-collapsed", "cave-fell-in",
                                           "no-dwelling-in-february"),
                         [](const auto& info) {
                           std::string n = info.param;
                           std::replace(n.begin(), n.end(), '-', '_');
                           return n;
                         });

}  // namespace
}  // namespace kevolan::replay::testing
