// Writes tests/replay/golden-digests.txt from the driver as it stands (run by hand, only when
// the driver's output is meant to change): build/bin/make_golden_digests >
// tests/replay/golden-digests.txt With a script number it prints that script instead, to replay it
// and compare outputs by eye.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

#include "GoldenScripts.h"

using namespace kevolan::replay::testing;

int main(int argc, char** argv) {
  if (argc == 2) {
    std::cout << GoldenScript(std::strtoull(argv[1], nullptr, 10));
    return 0;
  }
  namespace fs = std::filesystem;
  std::set<fs::path> plans;
  for (const auto& e : fs::directory_iterator(fs::path(KEVOLAN_SOURCE_DIR) / "tests" / "plans")) {
    if (e.path().extension() == ".txt") plans.insert(e.path());
  }
  for (const fs::path& p : plans) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream script;
    script << in.rdbuf();
    Digest d;
    d.Add(DriverOutput(script.str()));
    std::printf("plan:%s %016llx\n", p.stem().string().c_str(),
                static_cast<unsigned long long>(d.Value));
  }
  for (int b = 0; b < kGoldenBatches; ++b) {
    std::printf("batch:%d %016llx\n", b, static_cast<unsigned long long>(BatchDigest(b)));
  }
  return 0;
}
