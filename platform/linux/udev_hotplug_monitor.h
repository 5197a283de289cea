// Hot-plug notices for the window: a libudev netlink monitor whose descriptor the user interface
// watches (a QSocketNotifier); plain C++ so that it carries no toolkit.
#pragma once

#include <string_view>

struct udev;
struct udev_monitor;

namespace nobrix::platform::usblp {

// Whether a uevent may change the list of printers: a USB device or a usblp node came or went.
bool isPrinterTopologyChange(std::string_view action, std::string_view subsystem);

class UdevHotplugMonitor {
 public:
  UdevHotplugMonitor() = default;
  ~UdevHotplugMonitor();
  UdevHotplugMonitor(const UdevHotplugMonitor&) = delete;
  UdevHotplugMonitor& operator=(const UdevHotplugMonitor&) = delete;

  // Listens to the udev daemon's events; without a running daemon only the kernel's own events
  // arrive, so it listens to those instead. False when neither can be opened.
  bool start();

  // Readable when events are pending; -1 before a successful start.
  int descriptor() const;

  // Takes every pending event without blocking; true when any of them was a printer topology
  // change (several per plug or unplug, so the caller re-lists once per drain).
  bool drainEvents();

  bool listensToKernel() const { return kernelSource_; }

 private:
  void release();

  udev* udev_ = nullptr;
  udev_monitor* monitor_ = nullptr;
  bool kernelSource_ = false;
};

}  // namespace nobrix::platform::usblp
