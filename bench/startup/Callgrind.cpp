#include "Callgrind.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "FirstPaint.h"

namespace {

// The "totals:" line (or, in older files, "summary:") of a callgrind profile holds the event
// counts of the whole run; with the default events the first is Ir, instructions read.
std::optional<std::uint64_t> ReadTotal(const std::string& path) {
  std::ifstream profile(path);
  std::string line;
  std::optional<std::uint64_t> total;
  while (std::getline(profile, line)) {
    for (const char* key : {"totals:", "summary:"}) {
      const std::string prefix(key);
      if (line.rfind(prefix, 0) == 0) total = std::stoull(line.substr(prefix.size()));
    }
  }
  return total;
}

}  // namespace

std::optional<std::uint64_t> InstructionsToFirstPaint(const std::string& display,
                                                      const std::string& program,
                                                      const std::string& keep, std::string& error) {
  char dir[] = "/tmp/kevolan-startup-XXXXXX";
  if (keep.empty() && mkdtemp(dir) == nullptr) {
    error = "cannot make a scratch folder";
    return std::nullopt;
  }
  const std::string profile = keep.empty() ? std::string(dir) + "/callgrind.out" : keep;
  // Valgrind ends the program on the benchmark's SIGTERM and writes the profile on its way out.
  const std::vector<std::string> argv = {"valgrind", "--tool=callgrind", "--dump-line=no",
                                         "--callgrind-out-file=" + profile, program};
  std::optional<std::uint64_t> total;
  if (RunToFirstPaint(display, argv, 600.0, error)) {
    total = ReadTotal(profile);
    if (!total) error = "valgrind left no callgrind profile for " + program;
  }
  if (keep.empty()) {
    std::remove(profile.c_str());
    rmdir(dir);
  }
  return total;
}
