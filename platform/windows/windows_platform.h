// The Windows backend of the platform interface: printers are USB printer-class device
// interfaces (usbprint), found with SetupAPI and reached with CreateFile, DeviceIoControl,
// ReadFile and WriteFile.
#pragma once

#include <memory>

#include "platform/platform.h"

namespace nobrix::platform::win32 {

class Win32Platform final : public Platform {
 public:
  std::vector<std::u16string> printerInterfacePaths() override;
  DeviceHandle open(std::u16string_view path, OpenMode mode) override;
  bool queryDeviceId(DeviceHandle handle, char* buffer, std::size_t capacity,
                     std::size_t& length) override;
  IoResult write(DeviceHandle handle, const std::uint8_t* data, std::size_t size) override;
  IoResult read(DeviceHandle handle, std::uint8_t* buffer, std::size_t capacity) override;
  void close(DeviceHandle handle) override;
  std::uint32_t tickCount() override;
  void sleep(std::uint32_t milliseconds) override;
};

inline std::unique_ptr<Platform> makeWindowsPlatform() {
  return std::make_unique<Win32Platform>();
}

}  // namespace nobrix::platform::win32
