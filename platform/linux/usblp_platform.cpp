// UsblpPlatform: open flags, the device-ID ioctl and the hand-off to the bounded I/O helpers.
#include "platform/linux/usblp_platform.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <limits>

#include "platform/linux/device_id_reply.h"
#include "platform/linux/errno_mapping.h"
#include "platform/linux/fd_io.h"
#include "platform/linux/interface_order.h"
#include "platform/linux/monotonic_clock.h"
#include "platform/linux/udev_enumeration.h"
#include "platform/text_encoding.h"

namespace nobrix::platform::usblp {

namespace {

// LPIOC_GET_DEVICE_ID: the length of the reply buffer travels in the request code itself.
constexpr unsigned long kGetDeviceIdRequest = _IOC(_IOC_READ, 'P', 1, kDeviceIdReplySize);

// Both modes are non-blocking: usblp has no time-outs, so every wait is bounded by poll() in
// fd_io. usblp admits one open at a time, which makes the write-only open exclusive as well;
// a node held by a spooler fails with EBUSY.
int openFlags(OpenMode mode) {
  const int common = O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
  return mode == OpenMode::SharedReadWrite ? O_RDWR | common : O_WRONLY | common;
}

int descriptorOf(DeviceHandle handle) {
  return handle >= 0 && handle <= DeviceHandle{std::numeric_limits<int>::max()}
             ? static_cast<int>(handle)
             : -1;
}

int nonNegative(int milliseconds) {
  return std::max(milliseconds, 0);
}

}  // namespace

UsblpPlatform::UsblpPlatform(UsblpTimings timings)
    : timings_{nonNegative(timings.readWaitMs), nonNegative(timings.writeStallMs)} {}

std::vector<std::u16string> UsblpPlatform::printerInterfacePaths() {
  return orderedPrinterPaths(gatherUsbmiscNodes());
}

DeviceHandle UsblpPlatform::open(std::u16string_view path, OpenMode mode) {
  if (path.empty()) {
    return kInvalidHandle;
  }
  const std::string bytes = toUtf8(path);
  if (bytes.find('\0') != std::string::npos) {
    return kInvalidHandle;
  }
  int fd = -1;
  do {
    fd = ::open(bytes.c_str(), openFlags(mode));
  } while (fd < 0 && errno == EINTR);
  return fd < 0 ? kInvalidHandle : DeviceHandle{fd};
}

bool UsblpPlatform::queryDeviceId(DeviceHandle handle, char* buffer, std::size_t capacity,
                                  std::size_t& length) {
  length = 0;
  // Zeroed so that nothing from an earlier reply can pass for text the driver did not return.
  std::array<std::uint8_t, kDeviceIdReplySize> reply{};
  int result = -1;
  do {
    result = ::ioctl(descriptorOf(handle), kGetDeviceIdRequest, reply.data());
  } while (result < 0 && errno == EINTR);
  if (result < 0) {
    return false;
  }
  length = copyDeviceIdText(reply.data(), reply.size(), buffer, capacity);
  return true;
}

IoResult UsblpPlatform::write(DeviceHandle handle, const std::uint8_t* data, std::size_t size) {
  if (data == nullptr && size > 0) {
    return failedIo(EFAULT);
  }
  return writeWithStallLimit(descriptorOf(handle), data, size, timings_.writeStallMs);
}

IoResult UsblpPlatform::read(DeviceHandle handle, std::uint8_t* buffer, std::size_t capacity) {
  if (buffer == nullptr && capacity > 0) {
    return failedIo(EFAULT);
  }
  return readWithWait(descriptorOf(handle), buffer, capacity, timings_.readWaitMs);
}

void UsblpPlatform::close(DeviceHandle handle) {
  const int fd = descriptorOf(handle);
  // Not retried on EINTR: Linux releases the descriptor even then.
  if (fd >= 0) {
    ::close(fd);
  }
}

std::uint32_t UsblpPlatform::tickCount() {
  return monotonicTicks();
}

void UsblpPlatform::sleep(std::uint32_t milliseconds) {
  sleepMilliseconds(milliseconds);
}

}  // namespace nobrix::platform::usblp
