// The script split into lines as blocks of it are read, each line handed out in place.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "ByteStreams.h"

namespace kevolan::replay {

class ScriptLines {
 public:
  explicit ScriptLines(ByteSource& in);

  // The next line already read in whole, without its "\n"; it stays valid until Fill.
  bool Next(std::string_view& line);
  // Reads another block, waiting for it; call when Next has no line. No bytes and no error
  // means the input has ended.
  IoResult Fill();
  // Once the input has ended: the last line, if it had no "\n".
  bool Unterminated(std::string_view& line);

 private:
  ByteSource& in_;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_;
  std::size_t begin_ = 0;    // start of the first line not handed out
  std::size_t scanned_ = 0;  // no "\n" in [begin_, scanned_)
  std::size_t end_ = 0;      // end of the bytes read
};

}  // namespace kevolan::replay
