// Attachment paths and the sysfs attributes of usblp nodes.
#include "platform/linux/usb_attachment.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace nobrix::platform::usblp {

namespace {

// A whole number in `base`, surrounding blanks and a newline allowed (sysfs pads some values).
std::optional<int> number(std::string_view text, int base = 10) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\n')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\n')) {
    text.remove_suffix(1);
  }
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, base);
  if (text.empty() || error != std::errc{} || stop != end || value < 0) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::string attachedPath(std::string_view devNode, UsbAttachment attachment) {
  return std::string(devNode) + "@" + std::to_string(attachment.bus) + ":" +
         std::to_string(attachment.device);
}

std::optional<NodePath> parseNodePath(std::string_view path) {
  const std::size_t at = path.find('@');
  NodePath parsed;
  parsed.devNode = std::string(path.substr(0, at));
  const std::size_t slash = parsed.devNode.rfind('/');
  parsed.nodeName = slash == std::string::npos ? parsed.devNode : parsed.devNode.substr(slash + 1);
  if (at == std::string_view::npos) {
    return parsed;
  }
  const std::string_view attachment = path.substr(at + 1);
  const std::size_t colon = attachment.find(':');
  const auto bus = number(attachment.substr(0, colon));
  const auto device =
      colon == std::string_view::npos ? std::nullopt : number(attachment.substr(colon + 1));
  if (parsed.devNode.empty() || !bus || !device ||
      attachment.find_first_of(" \n") != std::string_view::npos) {
    return std::nullopt;
  }
  parsed.attachment = UsbAttachment{*bus, *device};
  return parsed;
}

std::string UsbmiscSysfs::attribute(std::string_view nodeName, std::string_view relative) const {
  // A node name is a plain directory entry; anything else could walk out of the class folder.
  if (nodeName.empty() || nodeName.find('/') != std::string_view::npos || nodeName == "." ||
      nodeName == "..") {
    return {};
  }
  std::ifstream file(root_ + "/class/usbmisc/" + std::string(nodeName) + "/" +
                     std::string(relative));
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// The node's "device" link is the USB interface; its parent directory is the USB device.
std::optional<UsbAttachment> UsbmiscSysfs::attachmentOf(std::string_view nodeName) const {
  const auto bus = number(attribute(nodeName, "device/../busnum"));
  const auto device = number(attribute(nodeName, "device/../devnum"));
  if (!bus || !device) {
    return std::nullopt;
  }
  return UsbAttachment{*bus, *device};
}

std::optional<InterfaceAddress> UsbmiscSysfs::interfaceOf(std::string_view nodeName) const {
  const auto interfaceNumber = number(attribute(nodeName, "device/bInterfaceNumber"), 16);
  const auto alternate = number(attribute(nodeName, "device/bAlternateSetting"));
  if (!interfaceNumber || !alternate) {
    return std::nullopt;
  }
  return InterfaceAddress{*interfaceNumber, *alternate};
}

std::string UsbmiscSysfs::deviceIdOf(std::string_view nodeName) const {
  std::string id = attribute(nodeName, "device/ieee1284_id");
  while (!id.empty() && (id.back() == '\n' || id.back() == '\0')) {
    id.pop_back();
  }
  return id;
}

std::string usbfsPath(UsbAttachment attachment) {
  char path[32];
  std::snprintf(path, sizeof path, "/dev/bus/usb/%03d/%03d", attachment.bus, attachment.device);
  return path;
}

}  // namespace nobrix::platform::usblp
