// The printer's whole device ID, asked for through usbfs while usblp stays bound. usblp keeps
// only as much of the ID as the printer's length prefix says, and some firmware leaves the two
// prefix bytes out of that count, which costs the ID its last two characters (often part of the
// serial number). The same class request through usbfs sees how many bytes really arrived.
#pragma once

#include <optional>
#include <string>

#include "platform/linux/usb_attachment.h"

namespace nobrix::platform::usblp {

// Nullopt when usbfs cannot be used: the node needs read-write rights (root, or a udev rule
// that grants them), and the device may have left.
std::optional<std::string> readDeviceIdThroughUsbfs(UsbAttachment attachment,
                                                    InterfaceAddress address);

}  // namespace nobrix::platform::usblp
