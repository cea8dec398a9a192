// Writes the golden files from the driver as it stands (`make regen`, when the driver's output is
// meant to change): build/bin/make_golden_digests writes tests/replay/golden-digests.txt and
// tests/replay/golden-outputs.xz, and says which outputs changed against the files it replaces,
// each by its first changed line, so that a change of rules is reviewed as a few lines. With a
// script number it prints that script instead, to replay it by hand.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>

#include "ChangeWords.h"
#include "GoldenScripts.h"
#include "GoldenStore.h"

using namespace kevolan::replay::testing;

namespace {

constexpr int kSeededShown = 5;

// The order the store holds its outputs in: the plans by name, then the seeded scripts.
bool ComesBefore(const std::string& a, const std::string& b) {
  const bool seededA = a.starts_with("script:");
  const bool seededB = b.starts_with("script:");
  if (seededA != seededB) return seededB;
  if (!seededA) return a < b;
  return std::strtoull(a.c_str() + 7, nullptr, 10) < std::strtoull(b.c_str() + 7, nullptr, 10);
}

// Sets each new output beside the one the store held, in the store's order, and tells the
// changes: every plan's, the first few seeded scripts' and a count of the rest by field.
class Changes {
 public:
  explicit Changes(const std::string& storePath) : old_(storePath), held_(old_.Next()) {}

  void Add(const std::string& name, const std::string& output) {
    while (held_ && ComesBefore(held_->Name, name)) {
      std::cout << held_->Name << ": gone\n";
      held_ = old_.Next();
    }
    const bool seeded = name.starts_with("script:");
    ++(seeded ? seeded_ : plans_);
    if (!held_ || held_->Name != name) {
      std::cout << name << ": new\n";
      return;
    }
    if (held_->Output != output) {
      int& shown = seeded ? seededChanged_ : plansChanged_;
      const std::string words =
          FirstChangeInWords(held_->Output, output, seeded ? &fields_ : nullptr);
      if (!seeded || shown < kSeededShown) std::cout << name << ": " << words << '\n';
      ++shown;
    }
    held_ = old_.Next();
  }

  void Tell() {
    for (; held_; held_ = old_.Next()) std::cout << held_->Name << ": gone\n";
    if (old_.Failed()) {
      std::cout << "golden-outputs.xz: the old store could not be read, so no change is told\n";
      return;
    }
    std::cout << "golden outputs: " << plansChanged_ << " of " << plans_ << " plans and "
              << seededChanged_ << " of " << seeded_ << " seeded scripts changed";
    if (seededChanged_ > kSeededShown) {
      std::cout << "; the seeded scripts' first changes, by field: " << FieldsInWords(fields_);
    }
    std::cout << '\n';
  }

 private:
  GoldenStoreReader old_;
  std::optional<StoredScript> held_;
  int plans_ = 0, seeded_ = 0, plansChanged_ = 0, seededChanged_ = 0;
  std::map<std::string, int> fields_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2) {
    std::cout << GoldenScript(std::strtoull(argv[1], nullptr, 10));
    return 0;
  }
  Changes changes(GoldenStorePath());
  std::ostringstream digests;
  GoldenStoreWriter store;
  const auto add = [&](const std::string& name, const std::string& output) {
    changes.Add(name, output);
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
  if (packed.empty() || !WriteGoldenFile(GoldenDigestsPath(), digests.str()) ||
      !WriteGoldenFile(GoldenStorePath(), packed)) {
    std::cerr << "make_golden_digests: cannot write the golden files\n";
    return 1;
  }
  changes.Tell();
  std::cout << "golden-outputs.xz: " << packed.size() << " bytes\n";
  return 0;
}
