// Where the driver's bytes come from and go to: the program's file descriptors, or C++ streams
// for tests and benchmarks. Each call moves a whole block, never a line at a time.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string_view>

namespace kevolan::replay {

// What a read or write came to: bytes moved, or the errno of its failure.
struct IoResult {
  std::size_t Bytes = 0;
  int Error = 0;
};

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads at most `room` bytes, waiting until at least one is there. No bytes and no error
  // means the input has ended.
  virtual IoResult Read(char* into, std::size_t room) = 0;
};

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Writes all the bytes, or fails.
  virtual IoResult Write(std::string_view bytes) = 0;
};

class FdSource final : public ByteSource {
 public:
  explicit FdSource(int fd) : fd_(fd) {}
  IoResult Read(char* into, std::size_t room) override;

 private:
  int fd_;
};

class FdSink final : public ByteSink {
 public:
  explicit FdSink(int fd) : fd_(fd) {}
  IoResult Write(std::string_view bytes) override;

 private:
  int fd_;
};

// A stream that goes bad reads or writes as an I/O error (EIO).
class IstreamSource final : public ByteSource {
 public:
  explicit IstreamSource(std::istream& in) : in_(in) {}
  IoResult Read(char* into, std::size_t room) override;

 private:
  std::istream& in_;
};

class OstreamSink final : public ByteSink {
 public:
  explicit OstreamSink(std::ostream& out) : out_(out) {}
  IoResult Write(std::string_view bytes) override;

 private:
  std::ostream& out_;
};

}  // namespace kevolan::replay
