// The driver prints exactly what it printed when the digests were written: for every plan of
// tests/plans, and for each batch of the seeded long scripts. A changed digest means changed
// behaviour somewhere in the batch; make_golden_digests names the first differing script's
// output when run against a build of the commit that wrote the digests.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "GoldenScripts.h"

namespace kevolan::replay::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = fs::path(KEVOLAN_SOURCE_DIR);

std::map<std::string, std::uint64_t> CommittedDigests() {
  std::map<std::string, std::uint64_t> digests;
  std::ifstream in(kSource / "tests" / "replay" / "golden-digests.txt");
  std::string name;
  std::string hex;
  while (in >> name >> hex) digests[name] = std::stoull(hex, nullptr, 16);
  return digests;
}

std::string Hex(std::uint64_t v) {
  std::ostringstream s;
  s << std::hex << v;
  return s.str();
}

TEST(GoldenOutput, PlansPrintWhatTheyPrinted) {
  const auto digests = CommittedDigests();
  int plans = 0;
  for (const auto& entry : fs::directory_iterator(kSource / "tests" / "plans")) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream script;
    script << in.rdbuf();
    Digest d;
    d.Add(DriverOutput(script.str()));
    const std::string name = "plan:" + entry.path().stem().string();
    ASSERT_TRUE(digests.count(name)) << name;
    EXPECT_EQ(Hex(d.Value), Hex(digests.at(name))) << name;
    ++plans;
  }
  EXPECT_GE(plans, 8);
}

class GoldenBatch : public ::testing::TestWithParam<int> {};

TEST_P(GoldenBatch, PrintsWhatItPrinted) {
  const auto digests = CommittedDigests();
  const std::string name = "batch:" + std::to_string(GetParam());
  ASSERT_TRUE(digests.count(name)) << name;
  EXPECT_EQ(Hex(BatchDigest(GetParam())), Hex(digests.at(name)));
}

INSTANTIATE_TEST_SUITE_P(Scripts, GoldenBatch, ::testing::Range(0, kGoldenBatches));

}  // namespace
}  // namespace kevolan::replay::testing
