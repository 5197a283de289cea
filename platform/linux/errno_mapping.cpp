// errno to IoResult, with the C library's thread-safe error strings.
#include "platform/linux/errno_mapping.h"

#include <array>
#include <cerrno>
#include <cstring>

namespace nobrix::platform::usblp {

namespace {
// strerror_r comes in two flavours (GNU returns the text, XSI fills the buffer); overloads pick
// whichever the C library declares.
[[maybe_unused]] const char* chosenText(const char* gnuResult, const char*) {
  return gnuResult;
}
[[maybe_unused]] const char* chosenText(int xsiResult, const char* buffer) {
  return xsiResult == 0 ? buffer : "Unknown error";
}
}  // namespace

std::string errnoText(int error) {
  std::array<char, 256> buffer{};
  return chosenText(strerror_r(error, buffer.data(), buffer.size()), buffer.data());
}

// usblp fails a write in flight with EIO when the printer leaves the bus, and every later call
// with ENODEV; a node whose device is gone answers ENXIO or ESHUTDOWN on some kernels.
IoFailure failureOfErrno(int error) {
  const bool gone = error == EIO || error == ENODEV || error == ENXIO || error == ESHUTDOWN;
  return gone ? IoFailure::Gone : IoFailure::Other;
}

IoResult failedIo(int error) {
  return {false, 0, errnoText(error), failureOfErrno(error)};
}

IoResult readOutcomeForErrno(int error) {
  if (error == EAGAIN || error == EWOULDBLOCK || error == EINTR) {
    return {true, 0, {}};
  }
  return failedIo(error);
}

bool isRetryableWriteError(int error) {
  return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

IoResult stalledIo(int stallMs) {
  return {false, 0, writeStallText(stallMs), IoFailure::Stalled};
}

std::string writeStallText(int stallMs) {
  const std::string span = stallMs >= 1000 && stallMs % 1000 == 0
                               ? std::to_string(stallMs / 1000) + " seconds"
                               : std::to_string(stallMs) + " ms";
  return "Write stalled: the printer accepted no data for " + span;
}

}  // namespace nobrix::platform::usblp
