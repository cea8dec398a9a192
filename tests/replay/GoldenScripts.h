// Long player scripts drawn from a seed, and a digest of what the driver prints for them: the
// driver's output for thousands of such scripts is pinned by a committed digest per script (and
// the outputs themselves, compressed, to show what changed).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kevolan::replay::testing {

inline constexpr int kGoldenBatches = 20;
inline constexpr int kGoldenScriptsPerBatch = 100;

// FNV-1a, 64 bits: stable across compilers and runs.
struct Digest {
  std::uint64_t Value = 14695981039346656037ull;
  void Add(std::string_view bytes) {
    for (char c : bytes) {
      Value ^= static_cast<unsigned char>(c);
      Value *= 1099511628211ull;
    }
  }
};

// Script number `index`: a castaway with a plan drawn from the seed, who now and then does
// something else (typed texts of every kind, refused actions, idle days). Some games run on
// for well over a year.
std::string GoldenScript(std::uint64_t index);

// The driver's whole output for the script (RunReplay, as kevolan-replay runs it).
std::string DriverOutput(const std::string& script);

// The golden files: the digests and the store of the outputs.
std::string GoldenDigestsPath();
std::string GoldenStorePath();
std::string PlanScript(const std::string& name);  // tests/plans/NAME.txt
std::vector<std::string> PlanNames();             // every plan of tests/plans, sorted

// Writes a golden file whole: beside it first, then renamed over it, so that a failed write
// leaves the file as it was. False when the write failed.
bool WriteGoldenFile(const std::string& path, std::string_view bytes);

}  // namespace kevolan::replay::testing
