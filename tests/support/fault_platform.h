// A Platform that passes every call to another one (the simulated bus) but can be told to make
// the opens of one path throw from some moment on, after the printer has been listed normally.
// It also records the system error boxes the layers above raise.
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace nobrix::testing {

class FaultPlatform final : public platform::Platform {
 public:
  explicit FaultPlatform(platform::Platform& inner);

  void throwOnOpen(std::u16string path, std::string errorText);
  std::vector<std::u16string> errorBoxes() const;

  std::vector<std::u16string> printerInterfacePaths() override;
  platform::DeviceHandle open(std::u16string_view path, platform::OpenMode mode) override;
  bool queryDeviceId(platform::DeviceHandle handle, char* buffer, std::size_t capacity,
                     std::size_t& length) override;
  platform::IoResult write(platform::DeviceHandle handle, const std::uint8_t* data,
                           std::size_t size) override;
  platform::IoResult read(platform::DeviceHandle handle, std::uint8_t* buffer,
                          std::size_t capacity) override;
  void close(platform::DeviceHandle handle) override;
  std::uint32_t tickCount() override;
  void sleep(std::uint32_t milliseconds) override;

 private:
  platform::Platform& inner_;
  mutable std::mutex mutex_;
  std::optional<std::u16string> throwingPath_;
  std::string throwText_;
  std::vector<std::u16string> errorBoxes_;
};

}  // namespace nobrix::testing
