// The replay driver's protocol: what it accepts, refuses and prints.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "ReplayCommand.h"
#include "ReplayTestSupport.h"
#include "StateJson.h"

namespace kevolan::replay::testing {
namespace {

using nlohmann::json;

TEST(Protocol, StatePrintsEveryKeyOfAFreshGame) {
  const ReplayRun run = Replay("state\n");
  ASSERT_EQ(run.Exit, 0);
  ASSERT_EQ(run.Lines.size(), 1u);
  const json& s = run.Lines[0].at("State");
  EXPECT_EQ(s.at("Day"), 1);
  EXPECT_EQ(s.at("Month"), "Января");
  EXPECT_EQ(s.at("Activity"), "none");
  EXPECT_EQ(s.at("ActivityEnabled"), true);
  EXPECT_EQ(s.at("GameOver"), false);
  EXPECT_EQ(s.at("Outcome"), "playing");
  EXPECT_EQ(s.at("EatToday"), false);
  for (const char* key : {"SickDays", "HungryDays", "FruitStock", "FishStock", "WildGameStock",
                          "FruitStreak", "FishStreak", "WildGameStreak"}) {
    EXPECT_EQ(s.at(key), 0) << key;
  }
  const json& items = s.at("Items");
  EXPECT_EQ(items.size(), kItemCount);  // one key for every item of the catalogue
  for (const char* item : {"FishingTackle", "HuntingWeapon", "Hut", "Cave", "NewClothes"}) {
    EXPECT_EQ(items.at(item).size(), 7u) << item;
  }
  EXPECT_EQ(items.at("Hut").at("BuildDaysLeft"), 4);
  EXPECT_EQ(items.at("OldClothes"),
            json::parse(R"({"Owned": true, "RepairDaysLeft": 2, "RepairShown": false,
                            "WearDaysLeft": 30, "WearShown": true})"));
  EXPECT_EQ(items.at("Boat"), json::parse(R"({"BuildDaysLeft": 100})"));
  const json& boxes = s.at("Boxes");
  EXPECT_EQ(boxes.at("GatherChoice"),
            json::parse(R"({"Options": ["Поход за фруктами"], "Text": "Поход за фруктами",
                            "Enabled": false})"));
  EXPECT_EQ(boxes.at("FoodChoice"),
            json::parse(R"({"Options": [], "Text": "", "Enabled": false})"));
  // All that can be made is offered, in the catalogue's order, but what waits for a hut.
  json offered = json::array();
  for (const ItemInfo& info : kItemTable) {
    if (info.Made != Making::Never && !info.OfferedOnlyWithHut) {
      offered.push_back(std::string(NameOf(info.Id)));
    }
  }
  EXPECT_EQ(boxes.at("CreateChoice"),
            json({{"Options", offered}, {"Text", ""}, {"Enabled", false}}));
}

TEST(Protocol, NextCountsTurnsAndListsTheTurnsMessagesInOrderAndReviewWaitsForTheEnd) {
  std::string script = "# six days without food\n\nreview\n";
  for (int i = 0; i < 6; ++i) script += "next\r\n";
  script += "next\nreview\n";
  const ReplayRun run = Replay(script);
  ASSERT_EQ(run.Exit, 0);
  ASSERT_EQ(run.Lines.size(), 9u);
  EXPECT_EQ(run.Lines[0], json::parse(R"({"Refused": "review", "Reason": "game is not over"})"));
  EXPECT_EQ(run.Lines[1].at("Turn"), 1);
  EXPECT_EQ(run.Lines[1].at("Messages"), json::array());
  EXPECT_EQ(run.Lines[6].at("Turn"), 6);
  EXPECT_EQ(run.Lines[6].at("Messages"),
            json::array({"Вы не ели за весь период пребывания на острове больше 5 дней и "
                         "умерли с голода"}));
  EXPECT_EQ(run.Lines[6].at("State").at("GameOver"), true);
  EXPECT_EQ(run.Lines[7], json::parse(R"({"Refused": "next", "Reason": "game is over"})"));
  // The session alone has no solver, like the page's rules module: kevolan-replay gives it one.
  EXPECT_EQ(run.Lines[8],
            json::parse(R"({"Refused": "review", "Reason": "no solver here to answer reviews"})"));
}

TEST(Protocol, DisabledControlsAndMissingOptionsAreRefusedNotFatal) {
  const ReplayRun run = Replay(
      "type gather Рыбная ловля\n"
      "pick create 0\n"
      "activity create\n"
      "pick create 99\n"
      "pick create -1\n"
      "pick create 99999999999999999999999999\n"
      "pick create -0\n"
      "hint\n"
      "state\n");
  ASSERT_EQ(run.Exit, 0);
  ASSERT_EQ(run.Lines.size(), 7u);
  EXPECT_EQ(run.Lines[0].at("Refused"), "type gather Рыбная ловля");
  EXPECT_EQ(run.Lines[0].at("Reason"), "box is disabled");
  EXPECT_EQ(run.Lines[1].at("Reason"), "box is disabled");
  EXPECT_EQ(run.Lines[2].at("Reason"), "no such option");
  EXPECT_EQ(run.Lines[3].at("Reason"), "no such option");
  EXPECT_EQ(run.Lines[4].at("Reason"), "no such option");
  // The session alone has no solver: the program kevolan-replay gives it one.
  EXPECT_EQ(run.Lines[5].at("Reason"), "no solver here to answer hints");
  const json& s = run.Lines[6].at("State");
  EXPECT_EQ(s.at("Boxes").at("CreateChoice").at("Text"), "Рыболовные снасти");
  EXPECT_EQ(s.at("Items").at("FishingTackle").at("BuildShown"), true);  // the change handler ran
}

TEST(Protocol, EachActivityClickChoosesThatActivityAndEnablesItsBoxOnly) {
  const ReplayRun run =
      Replay("activity gather\nstate\nactivity create\nstate\nactivity repair\nstate\n");
  ASSERT_EQ(run.Lines.size(), 3u);
  const char* const activities[] = {"GatherFood", "Create", "Repair"};
  const char* const boxes[] = {"GatherChoice", "CreateChoice", "RepairChoice"};
  for (int i = 0; i < 3; ++i) {
    const json& s = run.Lines[i].at("State");
    EXPECT_EQ(s.at("Activity"), activities[i]);
    for (int b = 0; b < 3; ++b) EXPECT_EQ(s.at("Boxes").at(boxes[b]).at("Enabled"), b == i);
  }
}

TEST(Protocol, ALockedActivityGroupRefusesClicks) {
  std::string script = "eat on\n";
  // Gather fruit for a store, then eat fruit until the 25th day makes the castaway ill.
  script += "activity gather\n";
  for (int i = 0; i < 28; ++i) script += "pick gather 0\nnext\npick food 0\n";
  script += "activity repair\n";
  const ReplayRun run = Replay(script);
  ASSERT_EQ(run.Exit, 0);
  const json& last = run.Lines.back();
  EXPECT_EQ(last.at("Refused"), "activity repair");
  EXPECT_EQ(last.at("Reason"), "activity group is disabled");
}

TEST(Protocol, TypeTakesEverythingAfterTheBoxByteForByte) {
  const ReplayRun run = Replay(
      "eat on\n"
      "type food  два  пробела \n"
      "state\n"
      "type food\n"
      "state\n"
      "type food \n"
      "state\n");
  ASSERT_EQ(run.Exit, 0);
  ASSERT_EQ(run.Lines.size(), 3u);
  EXPECT_EQ(run.Lines[0]["State"]["Boxes"]["FoodChoice"]["Text"], " два  пробела ");
  EXPECT_EQ(run.Lines[1]["State"]["Boxes"]["FoodChoice"]["Text"], "");
  EXPECT_EQ(run.Lines[2]["State"]["Boxes"]["FoodChoice"]["Text"], "");
}

TEST(Protocol, AMegabyteOfTypedTextIsAcceptedAndEchoedIntact) {
  const std::string big(1 << 20, 'x');
  const ReplayRun run = Replay("eat on\ntype food " + big + "\"\\\t\nnext\n");
  ASSERT_EQ(run.Exit, 0);
  ASSERT_EQ(run.Lines.size(), 1u);
  // The text names no food: nothing eaten, not a hungry day, and the empty store clears it.
  EXPECT_EQ(run.Lines[0]["State"]["HungryDays"], 0);
  EXPECT_EQ(run.Lines[0]["State"]["Boxes"]["FoodChoice"]["Text"], "");
  const ReplayRun refused = Replay("type repair " + big + "\n");
  ASSERT_EQ(refused.Lines.size(), 1u);
  EXPECT_EQ(refused.Lines[0]["Refused"].get<std::string>().size(), big.size() + 12);

  // Every box showing a long text of its own, each byte escaped to six, while the state is
  // written: each box's text needs its own room.
  const std::string texts[] = {std::string(3000, '\x01'), std::string(5000, '\x02'),
                               std::string(7000, '\x03'), std::string(9000, '\x1F')};
  const ReplayRun shown =
      Replay("eat on\ntype food " + texts[0] + "\nactivity gather\ntype gather " + texts[1] +
             "\nactivity create\ntype create " + texts[2] + "\nactivity repair\ntype repair " +
             texts[3] + "\nstate\n");
  ASSERT_EQ(shown.Exit, 0) << shown.Err;
  ASSERT_EQ(shown.Lines.size(), 1u);
  const json& boxes = shown.Lines[0]["State"]["Boxes"];
  EXPECT_EQ(boxes["FoodChoice"]["Text"], texts[0]);
  EXPECT_EQ(boxes["GatherChoice"]["Text"], texts[1]);
  EXPECT_EQ(boxes["CreateChoice"]["Text"], texts[2]);
  EXPECT_EQ(boxes["RepairChoice"]["Text"], texts[3]);
}

TEST(Protocol, UsageErrorsNameTheLineStopEverythingAndExitTwo) {
  std::vector<std::string> bad = {
      "eat on ",        "eat",          "eat yes",       "activity",    "activity fish",
      "next ",          "state now",    " next",         "pick food",   "pick food x",
      "pick food 1 ",   "pick food +1", "pick food 1.0", "pick boat 0", "type",
      "type boat x",    "type  food",   "jump",          "Next",        "next\tnext",
      "# \xFF comment", "hint now",     "Hint",          "review now",  "review "};
  // Bytes that are not UTF-8 spoil an otherwise good line, short or long: overlong forms,
  // bytes that never lead, surrogates, code points past U+10FFFF, cut sequences.
  for (const char* bytes : {"\xC0\xAF", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", "\x80",
                            "\xBF", "\xF5\x80\x80\x80", "\xF8\x88\x80\x80\x80", "\xFF",
                            "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\xD0"}) {
    bad.push_back(std::string("type food ") + bytes);
    bad.push_back(std::string("type food Поход ") + bytes + " за фруктами");
  }
  for (const std::string& line : bad) {
    const ReplayRun run = Replay("state\n" + line + "\nstate\n");
    EXPECT_EQ(run.Exit, 2) << line;
    EXPECT_EQ(run.Lines.size(), 1u) << line;  // the first state only: nothing after the error
    EXPECT_EQ(run.Err.rfind("kevolan-replay: line 2: usage error (", 0), 0u) << run.Err;
  }
  // The line as read, bytes a terminal would act on written as \xNN, a long line cut short;
  // skipped lines count.
  EXPECT_EQ(Replay("# note\n\neat maybe\r\n").Err,
            "kevolan-replay: line 3: usage error (eat takes on or off): eat maybe\n");
  EXPECT_EQ(Replay("eat \xC0\xAF\n").Err,
            "kevolan-replay: line 1: usage error (not valid UTF-8): eat \\xC0\\xAF\n");
  EXPECT_EQ(Replay("\x80\n").Err, "kevolan-replay: line 1: usage error (not valid UTF-8): \\x80\n");
  EXPECT_EQ(Replay("type\n").Err,
            "kevolan-replay: line 1: usage error (type takes a box and a text): type\n");
  // A last line without its newline is read like any other.
  const ReplayRun unterminated = Replay("state\nfly");
  EXPECT_EQ(unterminated.Exit, 2);
  EXPECT_EQ(unterminated.Lines.size(), 1u);
  EXPECT_EQ(unterminated.Err, "kevolan-replay: line 2: usage error (unknown command): fly\n");
  EXPECT_EQ(Replay("type food \x1B[1m\x7F\t\xFF\xAB\xCD\xEF\x90Я\n").Err,
            "kevolan-replay: line 1: usage error (not valid UTF-8): "
            "type food \\x1B[1m\\x7F\\x09\\xFF\\xAB\\xCD\\xEF\\x90\\xD0\\xAF\n");
  const std::string longest = "pick food " + std::string(189, '7') + "x";  // 200 bytes
  EXPECT_EQ(Replay(longest + "\n").Err,
            "kevolan-replay: line 1: usage error (pick takes a whole number): " + longest + "\n");
  EXPECT_EQ(Replay(longest + "y\n").Err,
            "kevolan-replay: line 1: usage error (pick takes a whole number): " +
                longest.substr(0, 200) + "... (201 bytes)\n");
}

TEST(Protocol, EveryWellFormedCharacterIsTakenAsTyped) {
  // The first and last of each length and the edges of the surrogates.
  std::string script = "eat on\n";
  const std::vector<std::string> texts = {"\xC2\x80",         "\xDF\xBF",           "\xE0\xA0\x80",
                                          "\xED\x9F\xBF",     "\xEE\x80\x80",       "\xEF\xBF\xBF",
                                          "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF",   "Рыба\"",
                                          "Рыба\"Рыба \\ \t", "\x7F\x01 Дичь \x1F", "\x1F",
                                          "Дичь\x1F",         "abcdefgh\x1F"};
  for (const std::string& text : texts) script += "type food " + text + "\nstate\n";
  const ReplayRun run = Replay(script);
  ASSERT_EQ(run.Exit, 0) << run.Err;
  ASSERT_EQ(run.Lines.size(), texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(run.Lines[i]["State"]["Boxes"]["FoodChoice"]["Text"], texts[i]);
  }
}

TEST(Protocol, EatSetToItsOwnStateChangesNothing) {
  const ReplayRun run = Replay("eat off\nstate\neat on\neat on\nstate\n");
  ASSERT_EQ(run.Lines.size(), 2u);
  EXPECT_EQ(run.Lines[0]["State"]["Boxes"]["FoodChoice"]["Enabled"], false);
  EXPECT_EQ(run.Lines[1]["State"]["EatToday"], true);
  EXPECT_EQ(run.Lines[1]["State"]["Boxes"]["FoodChoice"]["Enabled"], true);
}

TEST(Parser, WholeNumbersOfAnySizeAreIndexesOrOutOfRange) {
  EXPECT_EQ(ParseLine("pick food 007").Command.Index, 7);
  EXPECT_EQ(ParseLine("pick food -0").Command.Index, 0);
  EXPECT_EQ(ParseLine("pick food -00").Command.Index, 0);
  EXPECT_EQ(ParseLine("pick food -5").Command.Index, -1);
  EXPECT_EQ(ParseLine("pick food 9223372036854775808").Command.Index,
            std::numeric_limits<long long>::max());
  EXPECT_EQ(ParseLine("pick food -").Kind, ParsedLine::Kind::UsageError);
  EXPECT_EQ(ParseLine("#").Kind, ParsedLine::Kind::Skip);
}

// The longest state the catalogue allows without typed text: every counter at its longest number
// and every box as full as a list can be of the longest names.
TEST(Json, TheLongestStateIsWrittenWhole) {
  GameState s = NewGame();
  constexpr Count kLongest = std::numeric_limits<Count>::min();
  for (Count* c : {&s.SickDays, &s.HungryDays, &s.FruitStock, &s.FishStock, &s.WildGameStock,
                   &s.FruitStreak, &s.FishStreak, &s.WildGameStreak}) {
    *c = kLongest;
  }
  for (ItemState& it : s.Items) {
    for (Counter* c : {&it.BuildDaysLeft, &it.RepairDaysLeft, &it.WearDaysLeft})
      c->Value = kLongest;
  }
  s.Day = std::numeric_limits<int>::min();
  s.Month = Month::September;
  s.Outcome = Outcome::NewClothesRags;
  std::vector<NameId> longestFirst;
  for (std::size_t i = 1; i < kNameCount; ++i) longestFirst.push_back(static_cast<NameId>(i));
  std::stable_sort(longestFirst.begin(), longestFirst.end(),
                   [](NameId a, NameId b) { return TextOf(a).size() > TextOf(b).size(); });
  for (ChoiceList* box : {&s.FoodChoice, &s.GatherChoice, &s.CreateChoice, &s.RepairChoice}) {
    *box = ChoiceList();
    for (std::size_t i = 0; i < ChoiceList::kCapacity; ++i) box->Append(longestFirst[i]);
    box->Select(0);
  }
  std::string out;
  AppendStateJson(out, s);
  const json state = json::parse(out);
  EXPECT_EQ(state.at("Items").at("Cave").at("WearDaysLeft"), kLongest);
  EXPECT_EQ(state.at("Outcome"), "new-clothes-rags");
  EXPECT_EQ(state.at("Boxes").at("RepairChoice").at("Options").size(), ChoiceList::kCapacity);
  EXPECT_EQ(state.at("Boxes").at("RepairChoice").at("Text"), TextOf(longestFirst[0]));
}

TEST(Json, EveryTextComesBackIntactOrReplacedNeverBroken) {
  for (const std::string& text :
       {std::string("Рыба"), std::string("a\"b\\c\td\x01e\x7F"), std::string("Рыба\"Рыба"),
        std::string("Пещера\\"), std::string("\0zero", 5), std::string()}) {
    std::string out;
    AppendJsonString(out, text);
    EXPECT_EQ(json::parse(out).get<std::string>(), text) << out;
  }
  std::string quoted;
  AppendJsonString(quoted, "Рыба\"");
  EXPECT_EQ(quoted, "\"Рыба\\\"\"");
  std::string out;
  AppendJsonString(out, "bad \xFF byte");
  EXPECT_EQ(json::parse(out).get<std::string>(), "bad \xEF\xBF\xBD byte");
}

}  // namespace
}  // namespace kevolan::replay::testing
