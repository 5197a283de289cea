// A platform that passes every call to another one (the simulated bus) but can be told to make
// the opens of one path throw from some moment on, after the printer has been listed normally.
// It also records the system error boxes the layers above raise, as their error box.
#pragma once

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "ports/error_box.h"
#include "tests/support/forwarding_platform.h"

namespace nobrix::testing {

class FaultPlatform final : public ForwardingPlatform, public ports::ErrorBox {
 public:
  explicit FaultPlatform(platform::Platform& inner);

  void throwOnOpen(std::u16string path, std::string errorText);
  // Runs on the writing thread before every write (set it before the run starts).
  std::function<void()> beforeWrite;
  std::vector<std::u16string> errorBoxes() const;

  platform::DeviceHandle open(std::u16string_view path, platform::OpenMode mode) override;
  platform::IoResult write(platform::DeviceHandle handle, const std::uint8_t* data,
                           std::size_t size) override;
  void showErrorBox(std::u16string_view caption, std::u16string_view text) override;

 private:
  mutable std::mutex mutex_;
  std::optional<std::u16string> throwingPath_;
  std::string throwText_;
  std::vector<std::u16string> errorBoxes_;
};

}  // namespace nobrix::testing
