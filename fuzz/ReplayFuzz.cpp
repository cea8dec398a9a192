// Arbitrary bytes as a replay script: the reader must take or refuse every line without harm,
// every answer must be well-formed JSON, and after every turn the rules' promises must hold.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "Invariants.h"
#include "ReplayCommand.h"
#include "ReplaySession.h"

namespace {

// Keeps each input quick: a script longer than this many lines is cut here.
constexpr int kMaxLines = 5000;

[[noreturn]] void Fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  kevolan::replay::ReplaySession session;
  std::string out;
  std::size_t pos = 0;
  for (int lines = 0; pos < input.size() && lines < kMaxLines; ++lines) {
    const std::size_t end = std::min(input.find('\n', pos), input.size());
    std::string_view line = input.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    const kevolan::replay::ParsedLine parsed = kevolan::replay::ParseLine(line);
    if (parsed.Kind == kevolan::replay::ParsedLine::Kind::UsageError) break;  // as the driver stops
    if (parsed.Kind == kevolan::replay::ParsedLine::Kind::Skip) continue;

    const kevolan::Count hungerBefore = session.State().HungryDays;
    const bool overBefore = session.State().GameOver;
    const long long turnsBefore = session.Turns();
    out.clear();
    session.Run(parsed.Command, line, out);
    if (!out.empty() && !nlohmann::json::accept(out)) Fail("not JSON", out);
    if (session.Turns() != turnsBefore) {
      const std::string broken =
          kevolan::testing::BrokenInvariant(session.State(), hungerBefore, overBefore);
      if (!broken.empty()) Fail("broken after a turn", broken);
    }
  }
  return 0;
}
