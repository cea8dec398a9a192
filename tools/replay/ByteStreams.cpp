#include "ByteStreams.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace kevolan::replay {
namespace {

// Whether a call that failed with `error` should be made again: it was interrupted, or the
// descriptor was left non-blocking by whoever started us and is now ready.
bool Retry(int fd, int error, short ready) {
  if (error == EINTR) return true;
  if (error != EAGAIN && error != EWOULDBLOCK) return false;
  pollfd waiting{fd, ready, 0};
  return poll(&waiting, 1, -1) >= 0 || errno == EINTR;
}

}  // namespace

IoResult FdSource::Read(char* into, std::size_t room) {
  for (;;) {
    const ssize_t n = ::read(fd_, into, room);
    if (n >= 0) return {static_cast<std::size_t>(n), 0};
    const int error = errno;
    if (!Retry(fd_, error, POLLIN)) return {0, error};
  }
}

IoResult FdSink::Write(std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n == 0) {
      return {done, EIO};  // a device that takes nothing would otherwise be retried for ever
    } else if (const int error = errno; !Retry(fd_, error, POLLOUT)) {
      return {done, error};
    }
  }
  return {done, 0};
}

}  // namespace kevolan::replay
