// The Windows device-change broadcast: the main window's native messages are looked at, and a
// "device nodes changed" one becomes a notice on the window thread. The message is always passed
// on to the default window procedure.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QWidget>
#include <functional>

#include "ui/adapters/device_change_relay.h"

namespace nobrix::ui::adapters {

class WindowsDeviceChangeFilter final : public QAbstractNativeEventFilter {
 public:
  // Installs itself on the application for its lifetime; `onChange` runs on the window thread.
  WindowsDeviceChangeFilter(QWidget& window, std::function<void()> onChange);
  ~WindowsDeviceChangeFilter() override;
  WindowsDeviceChangeFilter(const WindowsDeviceChangeFilter&) = delete;
  WindowsDeviceChangeFilter& operator=(const WindowsDeviceChangeFilter&) = delete;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  QWidget& window_;
  DeviceChangeRelay relay_;
};

}  // namespace nobrix::ui::adapters
