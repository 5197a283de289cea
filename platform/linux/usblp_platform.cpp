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
#include "platform/linux/node_holder.h"
#include "platform/linux/udev_enumeration.h"
#include "platform/linux/usbfs_device_id.h"
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

int openNode(const std::string& devNode, OpenMode mode) {
  int fd = -1;
  do {
    fd = ::open(devNode.c_str(), openFlags(mode));
  } while (fd < 0 && errno == EINTR);
  return fd;
}

}  // namespace

UsblpPlatform::UsblpPlatform(UsblpTimings timings, UsbmiscSysfs sysfs)
    : timings_{nonNegative(timings.readWaitMs), nonNegative(timings.writeStallMs)},
      sysfs_(std::move(sysfs)) {}

std::vector<std::u16string> UsblpPlatform::printerInterfacePaths() {
  return orderedPrinterPaths(gatherUsbmiscNodes());
}

// A trial open tells "no rights" and "held by another program" apart; sysfs still shows such a
// printer's ID to anyone.
std::vector<UnusableInterface> UsblpPlatform::unusableInterfaces() {
  std::vector<UnusableInterface> unusable;
  for (std::u16string& path : printerInterfacePaths()) {
    const auto node = parseNodePath(toUtf8(path));
    if (!node) {
      continue;
    }
    const int fd = openNode(node->devNode, OpenMode::SharedReadWrite);
    const int error = errno;
    if (fd >= 0) {
      ::close(fd);
      continue;
    }
    UnusableInterface entry{
        std::move(path), UnusableInterface::Reason::Busy, sysfs_.deviceIdOf(node->nodeName), {}};
    if (error == EACCES || error == EPERM) {
      entry.reason = UnusableInterface::Reason::NoRights;
    } else if (error == EBUSY) {
      entry.heldBy = programHolding(node->devNode);
    } else {
      continue;  // gone meanwhile, or a fault the listing reports on its own
    }
    unusable.push_back(std::move(entry));
  }
  return unusable;
}

DeviceHandle UsblpPlatform::open(std::u16string_view path, OpenMode mode) {
  if (path.empty()) {
    return kInvalidHandle;
  }
  const std::string bytes = toUtf8(path);
  const auto node = parseNodePath(bytes);
  if (bytes.find('\0') != std::string::npos || !node) {
    return kInvalidHandle;
  }
  const int fd = openNode(node->devNode, mode);
  if (fd < 0) {
    return kInvalidHandle;
  }
  // Checked after the open: if the node belongs to the named attachment now, the descriptor
  // does too (a later attachment would have a new device number).
  const std::optional<UsbAttachment> current = sysfs_.attachmentOf(node->nodeName);
  if (node->attachment && current != node->attachment) {
    ::close(fd);
    errno = ENODEV;
    return kInvalidHandle;
  }
  std::lock_guard lock(openNodesMutex_);
  openNodes_[DeviceHandle{fd}] = OpenNode{node->nodeName, current};
  return DeviceHandle{fd};
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
  // The driver's copy may lack the last two characters (a prefix that counts only the text);
  // the printer's own answer through usbfs does not, where this user may ask for it.
  const std::string_view driverText = deviceIdText(reply.data(), reply.size());
  if (const auto whole = wholeDeviceId(handle);
      whole && whole->size() > driverText.size() && whole->starts_with(driverText)) {
    length = std::min(whole->size(), capacity);
    std::memcpy(buffer, whole->data(), length);
  }
  return true;
}

std::optional<std::string> UsblpPlatform::wholeDeviceId(DeviceHandle handle) {
  OpenNode node;
  {
    std::lock_guard lock(openNodesMutex_);
    const auto found = openNodes_.find(handle);
    if (found == openNodes_.end() || !found->second.attachment) {
      return std::nullopt;
    }
    node = found->second;
  }
  const auto address = sysfs_.interfaceOf(node.nodeName);
  return address ? readDeviceIdThroughUsbfs(*node.attachment, *address) : std::nullopt;
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
  {
    std::lock_guard lock(openNodesMutex_);
    openNodes_.erase(handle);
  }
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
