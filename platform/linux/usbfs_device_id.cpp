// GET_DEVICE_ID as a control transfer on the USB device's usbfs node.
#include "platform/linux/usbfs_device_id.h"

#include <fcntl.h>
#include <linux/usbdevice_fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cstdint>

#include "platform/linux/device_id_reply.h"

namespace nobrix::platform::usblp {

namespace {

constexpr std::uint8_t kClassInterfaceIn = 0xA1;
constexpr std::uint8_t kGetDeviceId = 0;
constexpr unsigned kTransferTimeoutMs = 1000;

}  // namespace

std::optional<std::string> readDeviceIdThroughUsbfs(UsbAttachment attachment,
                                                    InterfaceAddress address) {
  const int fd = ::open(usbfsPath(attachment).c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) {
    return std::nullopt;
  }
  std::array<std::uint8_t, kDeviceIdReplySize> reply{};
  usbdevfs_ctrltransfer transfer{};
  transfer.bRequestType = kClassInterfaceIn;
  transfer.bRequest = kGetDeviceId;
  // As usblp asks: configuration index 0, the interface and its alternate setting.
  transfer.wValue = 0;
  transfer.wIndex = static_cast<std::uint16_t>((address.number << 8) | address.alternateSetting);
  transfer.wLength = static_cast<std::uint16_t>(reply.size());
  transfer.timeout = kTransferTimeoutMs;
  transfer.data = reply.data();
  const int received = ::ioctl(fd, USBDEVFS_CONTROL, &transfer);
  ::close(fd);
  if (received < 0) {
    return std::nullopt;
  }
  return std::string(rawDeviceIdText(reply.data(), static_cast<std::size_t>(received)));
}

}  // namespace nobrix::platform::usblp
