// poll()-guarded read and write on a non-blocking descriptor, errno mapped at the edge.
//
// usblp keeps one 8 KiB piece in flight. A non-blocking write hands over one piece and returns;
// the next write sees EAGAIN until that piece is done, and poll() reports POLLOUT when it is.
// Closing the node cancels a piece still in flight, so a write returns only once POLLOUT shows
// that the last piece has gone out.
#include "platform/linux/fd_io.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "platform/linux/errno_mapping.h"

namespace nobrix::platform::usblp {

namespace {

using Clock = std::chrono::steady_clock;

struct Wait {
  bool timedOut = false;
  short revents = 0;
  int error = 0;  // poll() itself failed
};

// poll() for one descriptor; a signal restarts it with the time that is left.
Wait waitFor(int fd, short events, int timeoutMs) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  int remaining = timeoutMs;
  while (true) {
    pollfd entry{fd, events, 0};
    const int ready = ::poll(&entry, 1, remaining);
    if (ready > 0) {
      return {false, entry.revents, 0};
    }
    if (ready == 0) {
      return {true, 0, 0};
    }
    if (errno != EINTR) {
      return {false, 0, errno};
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    remaining = left.count() > 0 ? static_cast<int>(left.count()) : 0;
  }
}

// The error a descriptor holds after poll() reported a hang-up or an error instead of room to
// write. A zero-length write asks the driver for it without sending anything (usblp answers
// ENODEV once the printer has left the bus).
int pendingWriteError(int fd) {
  const char nothing = 0;
  if (::write(fd, &nothing, 0) < 0) {
    return errno;
  }
  return EIO;
}

IoResult waitUntilWritable(int fd, int stallMs) {
  const Wait wait = waitFor(fd, POLLOUT, stallMs);
  if (wait.timedOut) {
    return stalledIo(stallMs);
  }
  if (wait.error != 0) {
    return failedIo(wait.error);
  }
  if ((wait.revents & POLLNVAL) != 0) {
    return failedIo(EBADF);
  }
  if ((wait.revents & (POLLHUP | POLLERR)) != 0) {
    return failedIo(pendingWriteError(fd));
  }
  return {true, 0, {}};
}

IoResult afterProgress(IoResult failure, std::size_t written) {
  failure.bytes = written;
  return failure;
}

}  // namespace

IoResult readWithWait(int fd, std::uint8_t* buffer, std::size_t capacity, int waitMs) {
  // poll() skips negative descriptors silently, which would pass for "nothing to read".
  if (fd < 0) {
    return failedIo(EBADF);
  }
  if (capacity == 0) {
    return {true, 0, {}};
  }
  const Wait wait = waitFor(fd, POLLIN, waitMs);
  if (wait.timedOut) {
    return {true, 0, {}};
  }
  if (wait.error != 0) {
    return failedIo(wait.error);
  }
  // A hang-up or error is read as well: the read reports the driver's own errno for it.
  const ssize_t count = ::read(fd, buffer, capacity);
  if (count >= 0) {
    return {true, static_cast<std::size_t>(count), {}};
  }
  return readOutcomeForErrno(errno);
}

IoResult writeWithStallLimit(int fd, const std::uint8_t* data, std::size_t size, int stallMs) {
  if (fd < 0) {
    return failedIo(EBADF);
  }
  std::size_t written = 0;
  while (written < size) {
    const ssize_t count = ::write(fd, data + written, size - written);
    if (count > 0) {
      written += static_cast<std::size_t>(count);
      continue;
    }
    // A write that takes nothing without an error would loop for ever; count it as an I/O error.
    const int error = count < 0 ? errno : EIO;
    if (!isRetryableWriteError(error)) {
      return afterProgress(failedIo(error), written);
    }
    const IoResult writable = waitUntilWritable(fd, stallMs);
    if (!writable.ok) {
      return afterProgress(writable, written);
    }
  }
  const IoResult settled = waitUntilWritable(fd, stallMs);
  if (!settled.ok) {
    return afterProgress(settled, written);
  }
  return {true, written, {}};
}

}  // namespace nobrix::platform::usblp
