// Internal helpers of the device layer: one open printer for the length of one operation, and the
// error box that the failing entries show. Not part of the layer's public surface.
#pragma once

#include <exception>
#include <string_view>

#include "platform/platform.h"
#include "ports/error_box.h"

namespace nobrix::device::detail {

// Opens a printer for reading and writing (others may share it) and closes it when the operation
// ends, also when the operation ends by an exception. An empty path never reaches the platform:
// after the current path was erased every open must fail.
class DeviceSession {
 public:
  DeviceSession(platform::Platform& platform, std::u16string_view path);
  ~DeviceSession();
  DeviceSession(const DeviceSession&) = delete;
  DeviceSession& operator=(const DeviceSession&) = delete;

  bool isOpen() const { return handle_ != platform::kInvalidHandle; }
  platform::DeviceHandle handle() const { return handle_; }

 private:
  platform::Platform& platform_;
  platform::DeviceHandle handle_ = platform::kInvalidHandle;
};

// The device layer's error box: caption "VUZ App", the exception's message as text.
void showLayerError(ports::ErrorBox& errorBox, const std::exception& error);

}  // namespace nobrix::device::detail
