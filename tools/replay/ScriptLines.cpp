#include "ScriptLines.h"

#include <cstring>

namespace kevolan::replay {
namespace {

constexpr std::size_t kBlock = std::size_t{1} << 16;

}  // namespace

ScriptLines::ScriptLines(ByteSource& in) : in_(in), buffer_(new char[kBlock]), capacity_(kBlock) {}

bool ScriptLines::Next(std::string_view& line) {
  char* const data = buffer_.get();
  const void* newline = std::memchr(data + scanned_, '\n', end_ - scanned_);
  if (newline == nullptr) {
    scanned_ = end_;
    return false;
  }
  const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(newline) - data);
  line = std::string_view(data + begin_, at - begin_);
  begin_ = scanned_ = at + 1;
  return true;
}

IoResult ScriptLines::Fill() {
  // The unfinished line moves to the front; a line longer than the buffer makes it grow.
  const std::size_t kept = end_ - begin_;
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, kept);
    scanned_ -= begin_;
    begin_ = 0;
    end_ = kept;
  }
  if (end_ == capacity_) {
    std::unique_ptr<char[]> larger(new char[capacity_ * 2]);
    std::memcpy(larger.get(), buffer_.get(), end_);
    buffer_ = std::move(larger);
    capacity_ *= 2;
  }
  const IoResult read = in_.Read(buffer_.get() + end_, capacity_ - end_);
  end_ += read.Bytes;
  return read;
}

bool ScriptLines::Unterminated(std::string_view& line) {
  if (begin_ == end_) return false;
  line = std::string_view(buffer_.get() + begin_, end_ - begin_);
  begin_ = scanned_ = end_;
  return true;
}

}  // namespace kevolan::replay
