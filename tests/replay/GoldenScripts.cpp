#include "GoldenScripts.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "Catalogue.h"
#include "DriverRun.h"
#include "ReplaySession.h"
#include "SensibleCastaway.h"

namespace kevolan::replay::testing {
namespace {

// SplitMix64: its numbers are fixed by the seed alone, on every platform.
class Draw {
 public:
  explicit Draw(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }
  template <typename T, std::size_t N>
  const T& Of(const std::array<T, N>& a) {
    return a[static_cast<std::size_t>(Below(static_cast<int>(N)))];
  }

 private:
  std::uint64_t state_;
};

constexpr std::array<std::string_view, 4> kBoxes = {"food", "gather", "create", "repair"};

// Names exactly (the catalogue's, in its order), names off by case or spaces, and texts that
// are no name at all.
constexpr std::array<std::string_view, 11> kOddTexts = {
    "фрукты",           "ХИЖИНА",        "Хижина ", " Лодка",      "", " ",
    "Ёж \t\"\\ / \x01", "охота на дичь", "Января",  "Лодка Лодка", "x"};
constexpr auto kTexts = [] {
  std::array<std::string_view, kNameCount - 1 + kOddTexts.size()> texts{};
  std::size_t at = 0;
  for (std::size_t i = 1; i < kNameCount; ++i) texts[at++] = kNameTexts[i];
  for (std::string_view odd : kOddTexts) texts[at++] = odd;
  return texts;
}();

std::string RandomLine(Draw& d) {
  switch (d.Below(9)) {
    case 0:
      return d.Chance(50) ? "eat on" : "eat off";
    case 1:
      return std::string("activity ") +
             std::string(d.Of(std::array<std::string_view, 3>{"gather", "create", "repair"}));
    // Each draw on a line of its own: the operands of + are evaluated in no set order, and
    // compilers differ, which would make the scripts differ from one build to another.
    case 2:
    case 3: {
      const int index = d.Below(9) - 1;
      return "pick " + std::string(d.Of(kBoxes)) + " " + std::to_string(index);
    }
    case 4:
    case 5: {
      const std::string_view text = d.Of(kTexts);
      return "type " + std::string(d.Of(kBoxes)) + " " + std::string(text);
    }
    case 6: {
      // A long text of its own, now and then with characters that must be escaped.
      constexpr std::array<std::string_view, 9> kPieces = {"Ж",  "a",    "b",  " ", "\"",
                                                           "\\", "\x7f", "\t", "ё"};
      std::string line = "type " + std::string(d.Of(kBoxes)) + " ";
      for (int n = 1 + d.Below(60); n > 0; --n) line += d.Of(kPieces);
      return line;
    }
    case 7:
      return "state";
    default:
      return "next";
  }
}

kevolan::testing::CastawayPlan RandomPlan(Draw& d) {
  kevolan::testing::CastawayPlan p;
  p.BuildBoat = d.Chance(40);
  p.BuildHut = d.Chance(90);
  p.BuildCave = d.Chance(40);
  p.BuildNewClothes = d.Chance(80);
  p.RepairOldClothes = d.Chance(90);
  p.KeepOldClothes = d.Chance(30);
  p.RepairNewClothes = d.Chance(90);
  p.RepairHut = d.Chance(90);
  p.AbandonHutForCave = d.Chance(30);
  p.RepairCave = d.Chance(90);
  p.BuildTackle = d.Chance(70);
  p.RepairTackle = d.Chance(50);
  p.BuildWeapon = d.Chance(60);
  p.RepairWeapon = d.Chance(50);
  return p;
}

}  // namespace

std::string GoldenScript(std::uint64_t index) {
  Draw d(index * 0x2545F4914F6CDD1Dull + 11);
  // Careless castaways die soon; careful ones live for years with a few stray moves.
  const bool longGame = d.Chance(30);
  kevolan::testing::CastawayPlan plan = RandomPlan(d);
  if (longGame) {
    plan = kevolan::testing::CastawayPlan{};
    plan.BuildBoat = d.Chance(10);
    plan.BuildTackle = d.Chance(80);
    plan.RepairTackle = d.Chance(70);
    plan.BuildWeapon = d.Chance(70);
    plan.RepairWeapon = d.Chance(50);
  }
  const int care = longGame ? 96 + d.Below(4) : 75 + d.Below(24);  // percent of own moves
  const int lines = longGame ? 3000 + d.Below(3000) : 100 + d.Below(900);
  ReplaySession session;
  std::string script;
  std::string answer;
  for (int i = 0; i < lines; ++i) {
    // After the end every press is refused; a few of them are worth keeping in the script.
    if (session.State().GameOver && d.Chance(20)) break;
    const std::string line =
        d.Chance(care) ? kevolan::testing::NextMove(session.State(), plan) : RandomLine(d);
    kevolan::testing::PlayLine(session, line, script, answer);
  }
  return script;
}

std::string DriverOutput(const std::string& script) {
  const kevolan::testing::DriverRun run = kevolan::testing::RunDriver(script);
  return run.Out + run.Err;
}

namespace fs = std::filesystem;
const fs::path kGoldenDir = fs::path(KEVOLAN_SOURCE_DIR) / "tests";

std::string GoldenDigestsPath() { return kGoldenDir / "replay" / "golden-digests.txt"; }
std::string GoldenStorePath() { return kGoldenDir / "replay" / "golden-outputs.xz"; }

std::string PlanScript(const std::string& name) {
  std::ifstream in(kGoldenDir / "plans" / (name + ".txt"), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool WriteGoldenFile(const std::string& path, std::string_view bytes) {
  const std::string partial = path + ".partial";
  std::ofstream out(partial, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out && std::rename(partial.c_str(), path.c_str()) == 0) return true;
  std::remove(partial.c_str());
  return false;
}

std::vector<std::string> PlanNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kGoldenDir / "plans")) {
    if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace kevolan::replay::testing
