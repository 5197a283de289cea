// One attachment of a USB printer: the bus and device numbers the kernel gives a USB device each
// time it is enumerated. usblp hands a new printer the lowest free node number, so a printer
// that leaves the bus and comes back (in flash mode, or after applying an image) is usually
// /dev/usb/lpN again; only the attachment tells the two apart. Paths carry it:
// "/dev/usb/lp0@1:5" is node lp0 while it belongs to device 5 on bus 1.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nobrix::platform::usblp {

struct UsbAttachment {
  int bus = 0;
  int device = 0;
  friend bool operator==(const UsbAttachment&, const UsbAttachment&) = default;
};

std::string attachedPath(std::string_view devNode, UsbAttachment attachment);

struct NodePath {
  std::string devNode;                      // "/dev/usb/lp0"
  std::string nodeName;                     // "lp0"
  std::optional<UsbAttachment> attachment;  // none: the path names only the node
};

// Nullopt when an attachment is given but malformed: such a path opens nothing.
std::optional<NodePath> parseNodePath(std::string_view path);

// The interface a usblp node serves, for the printer-class requests sent through usbfs.
struct InterfaceAddress {
  int number = 0;
  int alternateSetting = 0;
};

// What sysfs tells about a usblp node without opening it. The root is "/sys" except in tests,
// which lay out a tree of their own.
class UsbmiscSysfs {
 public:
  explicit UsbmiscSysfs(std::string root = "/sys") : root_(std::move(root)) {}

  std::optional<UsbAttachment> attachmentOf(std::string_view nodeName) const;
  std::optional<InterfaceAddress> interfaceOf(std::string_view nodeName) const;
  // The ID the driver read at probe or at the last request; readable by anyone. Empty if none.
  std::string deviceIdOf(std::string_view nodeName) const;

 private:
  std::string attribute(std::string_view nodeName, std::string_view relative) const;

  std::string root_;
};

// The usbfs node of a USB device: "/dev/bus/usb/001/005".
std::string usbfsPath(UsbAttachment attachment);

}  // namespace nobrix::platform::usblp
