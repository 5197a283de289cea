// libudev netlink monitor filtered to the usb and usbmisc subsystems.
#include "platform/linux/udev_hotplug_monitor.h"

#include <libudev.h>
#include <unistd.h>

namespace nobrix::platform::usblp {

namespace {

// systemd-udevd creates its control socket here; without it no "udev" event ever arrives.
bool udevDaemonRunning() {
  return ::access("/run/udev/control", F_OK) == 0;
}

udev_monitor* openMonitor(udev* context, const char* source) {
  udev_monitor* monitor = udev_monitor_new_from_netlink(context, source);
  if (monitor == nullptr) {
    return nullptr;
  }
  if (udev_monitor_filter_add_match_subsystem_devtype(monitor, "usbmisc", nullptr) < 0 ||
      udev_monitor_filter_add_match_subsystem_devtype(monitor, "usb", nullptr) < 0 ||
      udev_monitor_enable_receiving(monitor) < 0) {
    udev_monitor_unref(monitor);
    return nullptr;
  }
  return monitor;
}

std::string_view viewOf(const char* value) {
  return value == nullptr ? std::string_view() : value;
}

}  // namespace

bool isPrinterTopologyChange(std::string_view action, std::string_view subsystem) {
  const bool addOrRemove = action == "add" || action == "remove";
  return addOrRemove && (subsystem == "usbmisc" || subsystem == "usb");
}

UdevHotplugMonitor::~UdevHotplugMonitor() {
  release();
}

bool UdevHotplugMonitor::start() {
  if (monitor_ != nullptr) {
    return true;
  }
  udev_ = udev_new();
  if (udev_ == nullptr) {
    return false;
  }
  kernelSource_ = !udevDaemonRunning();
  monitor_ = openMonitor(udev_, kernelSource_ ? "kernel" : "udev");
  if (monitor_ == nullptr && !kernelSource_) {
    kernelSource_ = true;
    monitor_ = openMonitor(udev_, "kernel");
  }
  if (monitor_ == nullptr) {
    release();
  }
  return monitor_ != nullptr;
}

int UdevHotplugMonitor::descriptor() const {
  return monitor_ == nullptr ? -1 : udev_monitor_get_fd(monitor_);
}

bool UdevHotplugMonitor::drainEvents() {
  if (monitor_ == nullptr) {
    return false;
  }
  bool changed = false;
  // The socket is non-blocking: receiving returns null once nothing is pending.
  while (udev_device* device = udev_monitor_receive_device(monitor_)) {
    changed = changed || isPrinterTopologyChange(viewOf(udev_device_get_action(device)),
                                                 viewOf(udev_device_get_subsystem(device)));
    udev_device_unref(device);
  }
  return changed;
}

void UdevHotplugMonitor::release() {
  if (monitor_ != nullptr) {
    udev_monitor_unref(monitor_);
  }
  if (udev_ != nullptr) {
    udev_unref(udev_);
  }
  monitor_ = nullptr;
  udev_ = nullptr;
}

}  // namespace nobrix::platform::usblp
