// Writes the golden files from the driver as it stands (run by hand, only when the driver's
// output is meant to change): build/bin/make_golden_digests writes
// tests/replay/golden-digests.txt and tests/replay/golden-outputs.xz. With a script number it
// prints that script instead, to replay it by hand.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "GoldenScripts.h"
#include "GoldenStore.h"

using namespace kevolan::replay::testing;

int main(int argc, char** argv) {
  if (argc == 2) {
    std::cout << GoldenScript(std::strtoull(argv[1], nullptr, 10));
    return 0;
  }
  std::ofstream digests(GoldenDigestsPath(), std::ios::binary);
  GoldenStoreWriter store;
  const auto add = [&](const std::string& name, const std::string& output) {
    Digest d;
    d.Add(output);
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(d.Value));
    digests << name << ' ' << hex << '\n';
    store.Add(name, output);
  };
  for (const std::string& plan : PlanNames()) add("plan:" + plan, DriverOutput(PlanScript(plan)));
  for (int i = 0; i < kGoldenBatches * kGoldenScriptsPerBatch; ++i) {
    add("script:" + std::to_string(i), DriverOutput(GoldenScript(static_cast<std::uint64_t>(i))));
  }
  const std::string packed = store.Compressed();
  std::ofstream(GoldenStorePath(), std::ios::binary) << packed;
  if (!digests || packed.empty()) {
    std::cerr << "make_golden_digests: cannot write the golden files\n";
    return 1;
  }
  std::cout << "golden-outputs.xz: " << packed.size() << " bytes\n";
  return 0;
}
