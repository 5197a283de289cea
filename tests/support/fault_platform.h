// A platform that passes every call to another one (the simulated bus) but can be told to make
// the opens of one path throw from some moment on, after the printer has been listed normally.
// It also records the system error boxes the layers above raise, as their error box.
#pragma once

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
  std::vector<std::u16string> errorBoxes() const;

  platform::DeviceHandle open(std::u16string_view path, platform::OpenMode mode) override;
  void showErrorBox(std::u16string_view caption, std::u16string_view text) override;

 private:
  mutable std::mutex mutex_;
  std::optional<std::u16string> throwingPath_;
  std::string throwText_;
  std::vector<std::u16string> errorBoxes_;
};

}  // namespace nobrix::testing
