// The Linux backend of the platform interface: printers are usblp nodes (/dev/usb/lpN), found
// through libudev and reached with plain file I/O and the device-ID ioctl.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "platform/linux/usb_attachment.h"
#include "platform/platform.h"

namespace nobrix::platform::usblp {

struct UsblpTimings {
  // How long one read waits for data. The command channel reads again at once after an empty
  // read, so this is what keeps it from spinning.
  int readWaitMs = 15;
  // A write fails when the printer takes no data for this long. usblp itself never gives up;
  // a printer that stops reading would otherwise hold the transfer for ever.
  int writeStallMs = 60'000;
};

class UsblpPlatform final : public Platform {
 public:
  explicit UsblpPlatform(UsblpTimings timings = {}, UsbmiscSysfs sysfs = UsbmiscSysfs());

  std::vector<std::u16string> printerInterfacePaths() override;
  std::vector<UnusableInterface> unusableInterfaces() override;
  DeviceHandle open(std::u16string_view path, OpenMode mode) override;
  bool queryDeviceId(DeviceHandle handle, char* buffer, std::size_t capacity,
                     std::size_t& length) override;
  IoResult write(DeviceHandle handle, const std::uint8_t* data, std::size_t size) override;
  IoResult read(DeviceHandle handle, std::uint8_t* buffer, std::size_t capacity) override;
  void close(DeviceHandle handle) override;
  std::uint32_t tickCount() override;
  void sleep(std::uint32_t milliseconds) override;

 private:
  // What an open handle is attached to, for the device-ID request through usbfs.
  struct OpenNode {
    std::string nodeName;
    std::optional<UsbAttachment> attachment;
  };
  std::optional<std::string> wholeDeviceId(DeviceHandle handle);

  UsblpTimings timings_;
  UsbmiscSysfs sysfs_;
  std::mutex openNodesMutex_;
  std::map<DeviceHandle, OpenNode> openNodes_;
};

}  // namespace nobrix::platform::usblp
