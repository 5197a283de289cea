// libudev enumeration of the usbmisc subsystem, copied into plain records and released at once.
#include "platform/linux/udev_enumeration.h"

#include <libudev.h>

#include <memory>

namespace nobrix::platform::usblp {

namespace {

struct UdevRelease {
  void operator()(udev* context) const { udev_unref(context); }
  void operator()(udev_enumerate* enumeration) const { udev_enumerate_unref(enumeration); }
  void operator()(udev_device* device) const { udev_device_unref(device); }
};

std::string text(const char* value) {
  return value == nullptr ? std::string() : value;
}

}  // namespace

std::vector<UsbmiscNode> gatherUsbmiscNodes() {
  std::vector<UsbmiscNode> nodes;
  const std::unique_ptr<udev, UdevRelease> context(udev_new());
  if (!context) {
    return nodes;
  }
  const std::unique_ptr<udev_enumerate, UdevRelease> enumeration(udev_enumerate_new(context.get()));
  if (!enumeration || udev_enumerate_add_match_subsystem(enumeration.get(), "usbmisc") < 0 ||
      udev_enumerate_scan_devices(enumeration.get()) < 0) {
    return nodes;
  }
  udev_list_entry* entry = nullptr;
  udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration.get())) {
    // A device that left between the scan and this lookup simply yields nothing.
    const std::unique_ptr<udev_device, UdevRelease> device(
        udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
    if (!device) {
      continue;
    }
    nodes.push_back({text(udev_device_get_sysname(device.get())),
                     text(udev_device_get_devnode(device.get())),
                     text(udev_device_get_syspath(device.get()))});
  }
  return nodes;
}

}  // namespace nobrix::platform::usblp
