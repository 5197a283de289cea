// The layer's module state: the current device path that every device operation opens.
#include "device/device_layer.h"

#include <algorithm>

#include "device/bounded_text.h"

namespace nobrix::device {

PrinterDeviceLayer::PrinterDeviceLayer(platform::Platform& platform, ports::ErrorBox& errorBox)
    : platform_(platform), errorBox_(errorBox) {}

void PrinterDeviceLayer::Lib_SetUSBDeviceFilePath(int mode, const char16_t* path) {
  if (mode == kClearDevicePath) {
    std::fill(std::begin(currentDevicePath_), std::end(currentDevicePath_), u'\0');
    return;
  }
  if (mode != kSelectDevicePath || path == nullptr) {
    return;
  }
  const std::u16string_view text = detail::boundedText(path, kSlotChars);
  if (text.empty()) {
    return;
  }
  std::fill(std::begin(currentDevicePath_), std::end(currentDevicePath_), u'\0');
  // A path that does not fit is refused, not shortened: a shortened path would name (and open)
  // a different device. Nor may the previous printer stay selected, or the caller's next
  // command would reach it; with no path every operation fails instead.
  if (text.size() >= kSlotChars) {
    return;
  }
  std::copy(text.begin(), text.end(), currentDevicePath_);
}

std::u16string_view PrinterDeviceLayer::currentDevicePath() const {
  return slotText(currentDevicePath_);
}

std::string_view PrinterDeviceLayer::lastDeviceIdText() const {
  const auto* end = std::find(std::begin(deviceIdText_), std::end(deviceIdText_), '\0');
  return {deviceIdText_, static_cast<std::size_t>(end - std::begin(deviceIdText_))};
}

std::string_view PrinterDeviceLayer::lastReply() const {
  return {reinterpret_cast<const char*>(reply_), replyLength_};
}

}  // namespace nobrix::device
