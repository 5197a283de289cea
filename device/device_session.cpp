// Open/close pairing for one device operation and the layer's error box.
#include "device/device_session.h"

#include "platform/text_encoding.h"

namespace nobrix::device::detail {

DeviceSession::DeviceSession(platform::Platform& platform, std::u16string_view path)
    : platform_(platform) {
  if (!path.empty()) {
    handle_ = platform_.open(path, platform::OpenMode::SharedReadWrite);
  }
}

DeviceSession::~DeviceSession() {
  if (!isOpen()) {
    return;
  }
  // A close that fails cannot be acted on, and a destructor must not throw.
  try {
    platform_.close(handle_);
  } catch (...) {
  }
}

void showLayerError(ports::ErrorBox& errorBox, const std::exception& error) {
  errorBox.showErrorBox(u"VUZ App", platform::fromUtf8(error.what()));
}

}  // namespace nobrix::device::detail
