// The driver prints exactly what it printed when the golden files were written: for every plan
// of tests/plans, and for each of the seeded long scripts. A changed output names its script and
// its first differing line, with the line written then and the line printed now.
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "ChangeWords.h"
#include "GoldenScripts.h"
#include "GoldenStore.h"
#include "JsonDiff.h"

namespace kevolan::replay::testing {
namespace {

std::map<std::string, std::uint64_t> CommittedDigests() {
  std::map<std::string, std::uint64_t> digests;
  std::ifstream in(GoldenDigestsPath());
  std::string name;
  std::string hex;
  while (in >> name >> hex) digests[name] = std::stoull(hex, nullptr, 16);
  return digests;
}

// Empty when the output is the one committed, else what differs, read from the store.
std::string Changed(const std::map<std::string, std::uint64_t>& digests, const std::string& name,
                    const std::string& output, const std::string& replayHint) {
  const auto committed = digests.find(name);
  if (committed == digests.end()) return name + ": no digest committed";
  Digest d;
  d.Add(output);
  if (d.Value == committed->second) return {};
  const std::optional<std::string> stored = StoredOutput(GoldenStorePath(), name);
  if (!stored) return name + ": output changed (the store does not hold it)";
  const FirstDifference diff = FirstDifferingLine(*stored, output);
  std::string shown = name + ": output line " + std::to_string(diff.Line) + " differs (" +
                      replayHint + ")\n  was: " + diff.Expected + "\n  now: " + diff.Actual;
  const auto was = nlohmann::json::parse(diff.Expected, nullptr, false);
  const auto now = nlohmann::json::parse(diff.Actual, nullptr, false);
  if (!was.is_discarded() && !now.is_discarded()) {
    shown += "\n  fields that differ:\n" + kevolan::testing::JsonDifferences(was, now);
  }
  return shown;
}

// The store opens with the plans, each kept whole as the driver prints it: a change is shown
// from it, and told in words by make regen.
TEST(GoldenOutput, PlansPrintWhatTheyPrinted) {
  const auto digests = CommittedDigests();
  const std::vector<std::string> plans = PlanNames();
  GoldenStoreReader store(GoldenStorePath());
  for (const std::string& plan : plans) {
    const std::string output = DriverOutput(PlanScript(plan));
    const std::string changed =
        Changed(digests, "plan:" + plan, output, "kevolan-replay < tests/plans/" + plan + ".txt");
    if (!changed.empty()) ADD_FAILURE() << changed;
    const std::optional<StoredScript> stored = store.Next();
    ASSERT_TRUE(stored) << "the store ends before plan:" << plan;
    EXPECT_EQ(stored->Name, "plan:" + plan);
    EXPECT_TRUE(stored->Output == output) << stored->Name << " is not kept whole in the store";
  }
  EXPECT_GE(plans.size(), 8u);
}

TEST(GoldenOutput, AChangeIsToldByItsFirstLineTurnAndFields) {
  std::map<std::string, int> fields;
  EXPECT_EQ(FirstChangeInWords(
                "{\"State\": {}}\n{\"Turn\": 1, \"State\": {\"Outcome\": \"playing\", \"Options\": "
                "[\"Лодка\"]}}\n",
                "{\"State\": {}}\n{\"Turn\": 1, \"State\": {\"Outcome\": \"starved\", \"Options\": "
                "[\"Лодка\", \"Плот\"]}}\n",
                &fields),
            "line 2, turn 1: Options +\"Плот\", Outcome \"playing\" -> \"starved\"");
  EXPECT_EQ(FirstChangeInWords("next\nstate\n", "next\nnext\n", &fields),
            "line 2: «state» -> «next»");
  EXPECT_EQ(FirstChangeInWords("same\n", "same\n"), "");
  EXPECT_EQ(FieldsInWords(fields), "(the whole line) (1), Options (1), Outcome (1)");
}

class GoldenBatch : public ::testing::TestWithParam<int> {};

// Only the first changed script of a batch is shown: one change of rules changes many.
TEST_P(GoldenBatch, PrintsWhatItPrinted) {
  const auto digests = CommittedDigests();
  for (int i = 0; i < kGoldenScriptsPerBatch; ++i) {
    const int script = GetParam() * kGoldenScriptsPerBatch + i;
    const std::string n = std::to_string(script);
    const std::string changed = Changed(
        digests, "script:" + n, DriverOutput(GoldenScript(static_cast<std::uint64_t>(script))),
        "make_golden_digests " + n + " | kevolan-replay");
    if (!changed.empty()) FAIL() << changed;
  }
}

INSTANTIATE_TEST_SUITE_P(Scripts, GoldenBatch, ::testing::Range(0, kGoldenBatches));

}  // namespace
}  // namespace kevolan::replay::testing
