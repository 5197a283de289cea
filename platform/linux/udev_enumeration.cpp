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

std::optional<int> sysattrNumber(udev_device* device, const char* name) {
  const std::string value = text(udev_device_get_sysattr_value(device, name));
  if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos ||
      value.size() > 6) {
    return std::nullopt;
  }
  return std::stoi(value);
}

// The USB device the node's interface belongs to, and which enumeration of it this is.
std::optional<UsbAttachment> attachmentOf(udev_device* node) {
  // The parent is owned by the node's udev_device and is not released separately.
  udev_device* usbDevice = udev_device_get_parent_with_subsystem_devtype(node, "usb", "usb_device");
  if (usbDevice == nullptr) {
    return std::nullopt;
  }
  const auto bus = sysattrNumber(usbDevice, "busnum");
  const auto number = sysattrNumber(usbDevice, "devnum");
  if (!bus || !number) {
    return std::nullopt;
  }
  return UsbAttachment{*bus, *number};
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
                     text(udev_device_get_syspath(device.get())), attachmentOf(device.get())});
  }
  return nodes;
}

}  // namespace nobrix::platform::usblp
