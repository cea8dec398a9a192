#include "RunReplay.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "ReplayCommand.h"
#include "ReplaySession.h"
#include "ScriptLines.h"

namespace kevolan::replay {
namespace {

constexpr std::size_t kShownLineLimit = 200;
// Answers are written once this many bytes are waiting (a turn's answer is about 2 KB).
constexpr std::size_t kAnswerBlock = std::size_t{1} << 16;
constexpr int kGoOn = -1;

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

class Driver {
 public:
  Driver(ByteSource& in, ByteSink& out, ByteSink& err,
         const std::function<void(ReplaySession&)>& equip)
      : lines_(in), out_(out), err_(err) {
    answers_.reserve(2 * kAnswerBlock);
    if (equip) equip(session_);
  }

  int Run() {
    for (;;) {
      std::string_view line;
      while (lines_.Next(line)) {
        if (const int status = RunLine(line); status != kGoOn) return status;
      }
      // No further complete line is waiting: the answers go out before waiting for input.
      if (const int status = Flush(); status != kExitOk) return status;
      const IoResult read = lines_.Fill();
      if (read.Error != 0) return Fail("cannot read the script", read.Error);
      if (read.Bytes == 0) break;
    }
    std::string_view last;
    if (lines_.Unterminated(last)) {
      if (const int status = RunLine(last); status != kGoOn) return status;
    }
    return Flush();
  }

 private:
  int RunLine(std::string_view line) {
    ++number_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const ParsedLine parsed = ParseLine(line);
    if (parsed.Kind == ParsedLine::Kind::Skip) return kGoOn;
    if (parsed.Kind == ParsedLine::Kind::UsageError) {
      if (const int status = Flush(); status != kExitOk) return status;
      Tell("line " + std::to_string(number_) + ": usage error (" + parsed.Error +
           "): " + Printable(line));
      return kExitUsage;
    }
    session_.Run(parsed.Command, line, answers_);
    if (answers_.size() >= kAnswerBlock) {
      if (const int status = Flush(); status != kExitOk) return status;
    }
    return kGoOn;
  }

  int Flush() {
    if (answers_.empty()) return kExitOk;
    const IoResult written = out_.Write(answers_);
    answers_.clear();
    if (written.Error == 0) return kExitOk;
    if (written.Error == EPIPE) return kExitReaderGone;  // as any filter whose reader has gone
    return Fail("cannot write the answers", written.Error);
  }

  int Fail(const char* what, int error) {
    Tell(std::string(what) + ": " + std::strerror(error));
    return kExitIoError;
  }

  // Nothing is left to report a failure to write the report itself.
  void Tell(const std::string& message) {
    const std::string line = "kevolan-replay: " + message + "\n";
    err_.Write(line);
  }

  ScriptLines lines_;
  ByteSink& out_;
  ByteSink& err_;
  ReplaySession session_;
  std::string answers_;
  long long number_ = 0;
};

}  // namespace

int RunReplay(ByteSource& in, ByteSink& out, ByteSink& err,
              const std::function<void(ReplaySession&)>& equip) {
  return Driver(in, out, err, equip).Run();
}

}  // namespace kevolan::replay
