// Arbitrary bytes as a replay script: the reader must take or refuse every line without harm,
// every answer must be well-formed JSON, and after every turn the rules' promises must hold.
// The driver's own loop, fed the script in uneven pieces as a pipe delivers it, must then
// answer exactly as the script read line by line did.
#include <algorithm>
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
#include "RunReplay.h"

namespace {

// Keeps each input quick: a script longer than this many lines is cut here.
constexpr int kMaxLines = 5000;

[[noreturn]] void Fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

// The script in pieces of 1 to 64 bytes, their lengths drawn from the script's own size.
class UnevenPieces final : public kevolan::replay::ByteSource {
 public:
  explicit UnevenPieces(std::string_view script) : rest_(script), draw_(script.size() + 1) {}
  kevolan::replay::IoResult Read(char* into, std::size_t room) override {
    draw_ = draw_ * 6364136223846793005ULL + 1442695040888963407ULL;
    const std::size_t n = std::min({rest_.size(), room, std::size_t{1} + (draw_ >> 58)});
    rest_.copy(into, n);
    rest_.remove_prefix(n);
    return {n, 0};
  }

 private:
  std::string_view rest_;
  std::uint64_t draw_;
};

class Collected final : public kevolan::replay::ByteSink {
 public:
  kevolan::replay::IoResult Write(std::string_view bytes) override {
    Bytes.append(bytes);
    return {bytes.size(), 0};
  }
  std::string Bytes;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  kevolan::replay::ReplaySession session;
  std::string out;
  std::string answers;
  int exit = kevolan::replay::kExitOk;
  std::size_t pos = 0;
  int lines = 0;
  for (; pos < input.size() && lines < kMaxLines; ++lines) {
    const std::size_t end = std::min(input.find('\n', pos), input.size());
    std::string_view line = input.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    const kevolan::replay::ParsedLine parsed = kevolan::replay::ParseLine(line);
    if (parsed.Kind == kevolan::replay::ParsedLine::Kind::UsageError) {
      exit = kevolan::replay::kExitUsage;
      break;  // as the driver stops
    }
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
    answers += out;
  }
  if (lines == kMaxLines) return 0;

  UnevenPieces in(input);
  Collected driven;
  Collected messages;
  if (kevolan::replay::RunReplay(in, driven, messages) != exit) Fail("exit status", messages.Bytes);
  if (driven.Bytes != answers) Fail("answers differ from line by line", driven.Bytes);
  return 0;
}
