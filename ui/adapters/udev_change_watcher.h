// The Linux device-change broadcast: the udev monitor's descriptor on the window's event loop.
// Each wake-up takes every pending event and reports one change if any of them concerned
// printers.
#pragma once

#include <QObject>
#include <functional>

#include "platform/linux/udev_hotplug_monitor.h"

class QSocketNotifier;

namespace nobrix::ui::adapters {

class UdevChangeWatcher final : public QObject {
  Q_OBJECT

 public:
  explicit UdevChangeWatcher(std::function<void()> onChange, QObject* parent = nullptr);

  // False when no monitor could be opened: the list is then built once at start only.
  bool start();

 private:
  void onReadable();

  std::function<void()> onChange_;
  platform::usblp::UdevHotplugMonitor monitor_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace nobrix::ui::adapters
