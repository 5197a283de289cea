// Forwarding platform with one injectable fault.
#include "tests/support/fault_platform.h"

#include <stdexcept>

namespace nobrix::testing {

FaultPlatform::FaultPlatform(platform::Platform& inner) : ForwardingPlatform(inner) {}

void FaultPlatform::showErrorBox(std::u16string_view, std::u16string_view text) {
  std::lock_guard lock(mutex_);
  errorBoxes_.emplace_back(text);
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

platform::DeviceHandle FaultPlatform::open(std::u16string_view path, platform::OpenMode mode) {
  {
    std::lock_guard lock(mutex_);
    if (throwingPath_ && *throwingPath_ == path) {
      throw std::runtime_error(throwText_);
    }
  }
  return ForwardingPlatform::open(path, mode);
}

platform::IoResult FaultPlatform::write(platform::DeviceHandle handle, const std::uint8_t* data,
                                        std::size_t size) {
  if (beforeWrite) {
    beforeWrite();
  }
  return ForwardingPlatform::write(handle, data, size);
}

}  // namespace nobrix::testing
