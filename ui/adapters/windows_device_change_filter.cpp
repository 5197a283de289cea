// The broadcast is sent, not posted: whoever broadcasts waits for each window's answer. The
// listing, which pumps messages and opens every printer, therefore runs later from the relay,
// and broadcasts that come before it has run make a single listing.
#include "ui/adapters/windows_device_change_filter.h"

#include <windows.h>

#include <QCoreApplication>
#include <utility>

#include "platform/windows/device_change_message.h"

namespace nobrix::ui::adapters {

WindowsDeviceChangeFilter::WindowsDeviceChangeFilter(QWidget& window,
                                                     std::function<void()> onChange)
    : window_(window), relay_(std::move(onChange)) {
  QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowsDeviceChangeFilter::~WindowsDeviceChangeFilter() {
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->removeNativeEventFilter(this);
  }
}

bool WindowsDeviceChangeFilter::nativeEventFilter(const QByteArray& eventType, void* message,
                                                  qintptr*) {
  if (eventType != "windows_generic_MSG" || message == nullptr) {
    return false;
  }
  const MSG& msg = *static_cast<const MSG*>(message);
  const auto mainWindow = reinterpret_cast<HWND>(window_.internalWinId());
  if (mainWindow != nullptr && msg.hwnd == mainWindow &&
      platform::win32::isDeviceNodesChange(msg)) {
    relay_.notify();
  }
  return false;
}

}  // namespace nobrix::ui::adapters
