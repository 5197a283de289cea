// Forwarding platform with one injectable fault.
#include "tests/support/fault_platform.h"

#include <stdexcept>

namespace nobrix::testing {

FaultPlatform::FaultPlatform(platform::Platform& inner) : inner_(inner) {
  setErrorBoxPresenter([this](std::u16string_view, std::u16string_view text) {
    std::lock_guard lock(mutex_);
    errorBoxes_.emplace_back(text);
  });
}

void FaultPlatform::throwOnOpen(std::u16string path, std::string errorText) {
  std::lock_guard lock(mutex_);
  throwingPath_ = std::move(path);
  throwText_ = std::move(errorText);
}

std::vector<std::u16string> FaultPlatform::errorBoxes() const {
  std::lock_guard lock(mutex_);
  return errorBoxes_;
}

std::vector<std::u16string> FaultPlatform::printerInterfacePaths() {
  return inner_.printerInterfacePaths();
}

platform::DeviceHandle FaultPlatform::open(std::u16string_view path, platform::OpenMode mode) {
  {
    std::lock_guard lock(mutex_);
    if (throwingPath_ && *throwingPath_ == path) {
      throw std::runtime_error(throwText_);
    }
  }
  return inner_.open(path, mode);
}

bool FaultPlatform::queryDeviceId(platform::DeviceHandle handle, char* buffer, std::size_t capacity,
                                  std::size_t& length) {
  return inner_.queryDeviceId(handle, buffer, capacity, length);
}

platform::IoResult FaultPlatform::write(platform::DeviceHandle handle, const std::uint8_t* data,
                                        std::size_t size) {
  return inner_.write(handle, data, size);
}

platform::IoResult FaultPlatform::read(platform::DeviceHandle handle, std::uint8_t* buffer,
                                       std::size_t capacity) {
  return inner_.read(handle, buffer, capacity);
}

void FaultPlatform::close(platform::DeviceHandle handle) {
  inner_.close(handle);
}

std::uint32_t FaultPlatform::tickCount() {
  return inner_.tickCount();
}

void FaultPlatform::sleep(std::uint32_t milliseconds) {
  inner_.sleep(milliseconds);
}

}  // namespace nobrix::testing
