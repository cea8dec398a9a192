// Where the driver's bytes come from and go to: the program's file descriptors (tests bring
// their own). Each call moves a whole block, never a line at a time.
#pragma once

#include <cstddef>
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

}  // namespace kevolan::replay
