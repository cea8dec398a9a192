#include "DriverRun.h"

#include <algorithm>
#include <cstring>

#include "RunReplay.h"

namespace kevolan::testing {
namespace {

class StringSource final : public replay::ByteSource {
 public:
  explicit StringSource(std::string_view bytes) : rest_(bytes) {}
  replay::IoResult Read(char* into, std::size_t room) override {
    const std::size_t n = std::min(room, rest_.size());
    std::memcpy(into, rest_.data(), n);
    rest_.remove_prefix(n);
    return {n, 0};
  }

 private:
  std::string_view rest_;
};

class StringSink final : public replay::ByteSink {
 public:
  explicit StringSink(std::string& into) : into_(into) {}
  replay::IoResult Write(std::string_view bytes) override {
    into_ += bytes;
    return {bytes.size(), 0};
  }

 private:
  std::string& into_;
};

}  // namespace

DriverRun RunDriver(std::string_view script) {
  DriverRun run;
  StringSource in(script);
  StringSink out(run.Out);
  StringSink err(run.Err);
  run.Exit = replay::RunReplay(in, out, err);
  return run;
}

}  // namespace kevolan::testing
