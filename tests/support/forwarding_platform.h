// A Platform that passes every call to another one (usually the simulated bus). Test platforms
// derive from it and override only the calls they count or disturb.
#pragma once

#include "platform/platform.h"

namespace nobrix::testing {

class ForwardingPlatform : public platform::Platform {
 public:
  explicit ForwardingPlatform(platform::Platform& inner) : inner_(inner) {}

  std::vector<std::u16string> printerInterfacePaths() override {
    return inner_.printerInterfacePaths();
  }
  std::vector<platform::UnusableInterface> unusableInterfaces() override {
    return inner_.unusableInterfaces();
  }
  platform::DeviceHandle open(std::u16string_view path, platform::OpenMode mode) override {
    return inner_.open(path, mode);
  }
  bool queryDeviceId(platform::DeviceHandle handle, char* buffer, std::size_t capacity,
                     std::size_t& length) override {
    return inner_.queryDeviceId(handle, buffer, capacity, length);
  }
  platform::IoResult write(platform::DeviceHandle handle, const std::uint8_t* data,
                           std::size_t size) override {
    return inner_.write(handle, data, size);
  }
  platform::IoResult read(platform::DeviceHandle handle, std::uint8_t* buffer,
                          std::size_t capacity) override {
    return inner_.read(handle, buffer, capacity);
  }
  void close(platform::DeviceHandle handle) override { inner_.close(handle); }
  std::uint32_t tickCount() override { return inner_.tickCount(); }
  void sleep(std::uint32_t milliseconds) override { inner_.sleep(milliseconds); }

 private:
  platform::Platform& inner_;
};

}  // namespace nobrix::testing
