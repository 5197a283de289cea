// The thin libudev part of enumeration: gathers every usbmisc node udev knows, unfiltered.
#pragma once

#include <vector>

#include "platform/linux/interface_order.h"

namespace nobrix::platform::usblp {

// Empty when libudev cannot be used. Reads sysfs through libudev, so it works without a running
// udev daemon.
std::vector<UsbmiscNode> gatherUsbmiscNodes();

}  // namespace nobrix::platform::usblp
