// The native side of the web edition's rules check:
//   web_rules_check script SEED TURNS NOISE [usage]   a seeded castaway's script on stdout
//   web_rules_check endless TURNS                     the endless castaway's script (benchmarks)
//   web_rules_check snapshots < SCRIPT                the state behind each message, and the
//                                                     day's report, per turn
// The script is a sensible castaway's game mixed with a player's noise: typed Cyrillic and odd
// text, picks past the list, refused commands, comments, CR line ends; "usage" ends it with a
// line the driver stops at, followed by lines that must never run.
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "DayReport.h"
#include "ReplayCommand.h"
#include "ReplaySession.h"
#include "SensibleCastaway.h"
#include "StateJson.h"

namespace {

using kevolan::replay::ReplaySession;

const std::vector<std::string> kBoxes = {"food", "gather", "create", "repair"};

// The catalogue's names, then names off by case or spaces, near misses and odd texts.
const std::vector<std::string> kTexts = [] {
  std::vector<std::string> texts(std::begin(kevolan::kNameTexts) + 1,
                                 std::end(kevolan::kNameTexts));
  for (const char* odd : {"Охота",
                          "Оружие для охоты",
                          "хижина",
                          "Хижина ",
                          " Хижина",
                          "ХИЖИНА",
                          "",
                          " ",
                          "  ",
                          "\"quoted\" \\ back\\slash",
                          "tab\there",
                          "\x01\x1f\x7f",
                          "ёЁ ъЪ",
                          "日本語 🙂 🏝️",
                          "Lodka",
                          "e\xCC\x81",
                          "\xEF\xBB\xBF"
                          "BOM",
                          "</script><b>",
                          "null",
                          "{\"State\": 1}",
                          "%s %n %%",
                          "\\u0000"}) {
    texts.emplace_back(odd);
  }
  return texts;
}();

class Noise {
 public:
  explicit Noise(unsigned seed) : rng_(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }

  std::string Text() {
    if (Chance(0.05)) return std::string(static_cast<std::size_t>(1 + Below(3000)), 'x') + "Ж";
    std::string text = kTexts[static_cast<std::size_t>(Below(static_cast<int>(kTexts.size())))];
    if (Chance(0.2))
      text += kTexts[static_cast<std::size_t>(Below(static_cast<int>(kTexts.size())))];
    return text;
  }

  std::string Line() {
    const std::string& box = kBoxes[static_cast<std::size_t>(Below(4))];
    switch (Below(10)) {
      case 0:
        return "type " + box + " " + Text();
      case 1:
        return "type " + box;  // an empty text
      case 2: {
        static const std::vector<std::string> kIndexes = {
            "0", "1", "2", "3", "5", "-1", "-0", "007", "99999999999999999999999", "-5"};
        return "pick " + box + " " + kIndexes[static_cast<std::size_t>(Below(10))];
      }
      case 3:
        return std::string("activity ") + (Below(3) == 0 ? "gather"
                                           : Below(2)    ? "create"
                                                         : "repair");
      case 4:
        return Chance(0.5) ? "eat on" : "eat off";
      case 5:
        return "state";
      case 6:
        return "next";
      case 7:
        return Chance(0.5) ? "# a note: Хижина" : "";
      case 8:
        return "state\r";
      default:
        return "type " + box + " " + Text() + "\r";
    }
  }

  std::string UsageLine() {
    static const std::vector<std::string> kLines = {
        "fly away",       "eat maybe", "next please", "pick food x",       "type cupboard Хижина",
        "activity sleep", "pick food", "type",        "\xFF\xFEnot UTF-8", "eat on\xC3",
        "STATE"};
    return kLines[static_cast<std::size_t>(Below(static_cast<int>(kLines.size())))];
  }

 private:
  std::mt19937 rng_;
};

int WriteScript(unsigned seed, long long turns, double noise, bool usage) {
  Noise random(seed);
  ReplaySession session;
  kevolan::testing::CastawayPlan plan;
  plan.BuildBoat = random.Chance(0.3);    // most games go on without the boat, past a year
  plan.BuildWeapon = random.Chance(0.4);  // some make the hunting weapon and hunt with it
  std::string script;
  std::string answer;
  long long lines = 0;
  const long long lineLimit = turns * 40 + 100;
  while (session.Turns() < turns && lines++ < lineLimit) {
    std::string line =
        random.Chance(noise) ? random.Line() : kevolan::testing::NextMove(session.State(), plan);
    if (session.State().GameOver && random.Chance(0.3)) break;
    std::string parsed = line;
    if (!parsed.empty() && parsed.back() == '\r') parsed.pop_back();
    const auto read = kevolan::replay::ParseLine(parsed);
    script += line;
    script += '\n';
    if (read.Kind != kevolan::replay::ParsedLine::Kind::Command) continue;
    answer.clear();
    session.Run(read.Command, parsed, answer);
  }
  if (usage) {
    script += random.UsageLine() + "\n";
    script += "next\nstate\n";
  }
  std::cout << script;
  return 0;
}

int WriteSnapshots() {
  ReplaySession session;
  std::vector<std::string> snapshots;
  session.ObserveMessages([&](std::string_view, const kevolan::GameState& state) {
    std::string json;
    kevolan::replay::AppendStateJson(json, state);
    snapshots.push_back(std::move(json));
  });
  std::string line;
  std::string answer;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto read = kevolan::replay::ParseLine(line);
    if (read.Kind == kevolan::replay::ParsedLine::Kind::UsageError) break;
    if (read.Kind == kevolan::replay::ParsedLine::Kind::Skip) continue;
    const long long turns = session.Turns();
    const kevolan::GameState before = session.State();
    snapshots.clear();
    answer.clear();
    session.Run(read.Command, line, answer);
    if (session.Turns() == turns) continue;
    std::string report;
    kevolan::replay::AppendJsonString(report, kevolan::speech::DayReport(before, session.State()));
    std::cout << "{\"Turn\": " << session.Turns() << ", \"Snapshots\": [";
    for (std::size_t i = 0; i < snapshots.size(); ++i) std::cout << (i ? ", " : "") << snapshots[i];
    std::cout << "], \"Report\": " << report << "}\n";
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "script" && argc >= 5) {
    return WriteScript(static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)),
                       std::strtoll(argv[3], nullptr, 10), std::strtod(argv[4], nullptr),
                       argc > 5 && std::string(argv[5]) == "usage");
  }
  if (mode == "snapshots") return WriteSnapshots();
  if (mode == "endless" && argc >= 3) {
    std::cout << kevolan::testing::EndlessCastawayScript(std::strtoll(argv[2], nullptr, 10));
    return 0;
  }
  std::cerr << "usage: web_rules_check script SEED TURNS NOISE [usage] | snapshots < SCRIPT"
               " | endless TURNS\n";
  return 2;
}
