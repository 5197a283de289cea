// Which uevents make the window re-list its printers.
#include <gtest/gtest.h>

#include "platform/linux/udev_hotplug_monitor.h"

namespace nobrix::platform::usblp {
namespace {

TEST(HotplugEvents, AddAndRemoveOfUsbDevicesAndUsblpNodesCount) {
  const struct {
    const char* action;
    const char* subsystem;
    bool counts;
  } cases[] = {
      {"add", "usbmisc", true},     {"remove", "usbmisc", true}, {"add", "usb", true},
      {"remove", "usb", true},      {"bind", "usb", false},      {"unbind", "usb", false},
      {"change", "usbmisc", false}, {"add", "block", false},     {"remove", "hidraw", false},
      {"", "usb", false},           {"add", "", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(isPrinterTopologyChange(c.action, c.subsystem), c.counts)
        << c.action << " " << c.subsystem;
  }
}

}  // namespace
}  // namespace nobrix::platform::usblp
