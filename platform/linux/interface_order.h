// Turns the usbmisc nodes that udev reports into the ordered list of printer paths. Pure: the
// records come from the thin libudev part, so filtering and ordering are tested with tables.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/usb_attachment.h"

namespace nobrix::platform::usblp {

// One usbmisc device as udev describes it.
struct UsbmiscNode {
  std::string sysName;                      // kernel name, "lp0"
  std::string devNode;                      // "/dev/usb/lp0"; empty when the node has none
  std::string sysPath;                      // ".../usb1/1-2/1-2.1/1-2.1:1.0/usbmisc/lp0"
  std::optional<UsbAttachment> attachment;  // of the USB device above the node, when known
};

// Where the printer interface sits on the USB tree, read from the interface directory
// "<bus>-<port>[.<port>...]:<configuration>.<interface>" that holds the usbmisc node.
struct UsbTopology {
  int bus = 0;
  std::vector<int> ports;  // from the root hub outwards
  int configuration = 0;
  int interfaceNumber = 0;
  friend auto operator<=>(const UsbTopology&, const UsbTopology&) = default;
};

std::optional<UsbTopology> topologyOf(std::string_view sysPath);

// Only usblp nodes count: kernel name lpN with its node at /dev/usb/lpN (other usbmisc drivers
// such as hiddev share the subsystem). The number N follows neither plug order nor any printer
// order, so the list is sorted by bus and port chain, which stays put while the cabling does.
// Nodes whose place on the tree cannot be read follow, by N. Each path names the node's
// attachment where it is known ("/dev/usb/lp0@1:5"), so it never reaches a later printer that
// was given the same node.
std::vector<std::u16string> orderedPrinterPaths(std::vector<UsbmiscNode> nodes);

}  // namespace nobrix::platform::usblp
