// The golden outputs themselves, kept small enough to commit: each line of a script's output is
// written as the fields (", "-separated pieces) in which it differs from the line before, and
// the whole is xz-compressed. A failing golden test reads back only the script it needs.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kevolan::replay::testing {

class GoldenStoreWriter {
 public:
  void Add(std::string_view name, std::string_view output);  // name: "plan:x", "script:12"
  // The compressed store; empty when compression failed.
  std::string Compressed() const;

 private:
  std::string text_;
};

struct StoredScript {
  std::string Name;
  std::string Output;
};

// The store's scripts one after another, in the order they were added, each unpacked once.
class GoldenStoreReader {
 public:
  explicit GoldenStoreReader(const std::string& storePath);
  ~GoldenStoreReader();
  // The next script; nothing past the last, or once the store turned out unreadable.
  std::optional<StoredScript> Next();
  bool Failed() const;

 private:
  struct Stream;
  std::unique_ptr<Stream> stream_;
};

// The output of one script as the store holds it; nothing when the store cannot be read or does
// not hold that script.
std::optional<std::string> StoredOutput(const std::string& storePath, std::string_view name);

// The first line in which two outputs differ: its number (from 1) and both texts ("(none)" past
// the end of one of them).
struct FirstDifference {
  std::size_t Line = 0;
  std::string Expected;
  std::string Actual;
};
FirstDifference FirstDifferingLine(std::string_view expected, std::string_view actual);

}  // namespace kevolan::replay::testing
