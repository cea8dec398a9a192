#include "RunReplay.h"

#include <string>

#include "ReplayCommand.h"
#include "ReplaySession.h"

namespace kevolan::replay {
namespace {

constexpr std::size_t kShownLineLimit = 200;

// The offending line as it can be shown on a terminal: control bytes and bytes that are not
// UTF-8 written as \xNN, and a very long line cut short.
std::string Printable(std::string_view line) {
  std::string shown;
  const std::size_t n = std::min(line.size(), kShownLineLimit);
  for (std::size_t i = 0; i < n; ++i) {
    const auto b = static_cast<unsigned char>(line[i]);
    if (b < 0x20 || b == 0x7F || b >= 0x80) {
      static constexpr char kHex[] = "0123456789ABCDEF";
      shown += "\\x";
      shown += kHex[b >> 4];
      shown += kHex[b & 0xF];
    } else {
      shown += static_cast<char>(b);
    }
  }
  if (line.size() > n) shown += "... (" + std::to_string(line.size()) + " bytes)";
  return shown;
}

}  // namespace

int RunReplay(std::istream& in, std::ostream& out, std::ostream& err) {
  ReplaySession session;
  std::string line;
  std::string output;
  long long number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const ParsedLine parsed = ParseLine(line);
    if (parsed.Kind == ParsedLine::Kind::Skip) continue;
    if (parsed.Kind == ParsedLine::Kind::UsageError) {
      out.flush();
      err << "kevolan-replay: line " << number << ": usage error (" << parsed.Error
          << "): " << Printable(line) << '\n';
      return kExitUsage;
    }
    output.clear();
    session.Run(parsed.Command, line, output);
    out << output;
    out.flush();  // a program driving us line by line sees each answer at once
  }
  return kExitOk;
}

}  // namespace kevolan::replay
