// Filtering usbmisc nodes down to usblp printers and putting them in USB topology order.
#include "platform/linux/interface_order.h"

#include <algorithm>
#include <charconv>
#include <tuple>

#include "platform/text_encoding.h"

namespace nobrix::platform::usblp {

namespace {

// A whole decimal number, nothing else: "12" yes, "", "1a", "-1" no.
std::optional<int> decimal(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end || text.front() == '-') {
    return {};
  }
  return value;
}

std::optional<int> printerNumber(std::string_view sysName) {
  if (!sysName.starts_with("lp")) {
    return {};
  }
  return decimal(sysName.substr(2));
}

bool isUsblpNode(const UsbmiscNode& node) {
  return printerNumber(node.sysName).has_value() && node.devNode == "/dev/usb/" + node.sysName;
}

// The path component right before "/usbmisc/": the USB interface the node belongs to.
std::string_view interfaceDirectory(std::string_view sysPath) {
  const std::size_t marker = sysPath.rfind("/usbmisc/");
  if (marker == std::string_view::npos) {
    return {};
  }
  const std::string_view parent = sysPath.substr(0, marker);
  const std::size_t slash = parent.rfind('/');
  return slash == std::string_view::npos ? parent : parent.substr(slash + 1);
}

std::optional<std::vector<int>> portChain(std::string_view text) {
  std::vector<int> ports;
  while (true) {
    const std::size_t dot = text.find('.');
    const auto port = decimal(text.substr(0, dot));
    if (!port) {
      return {};
    }
    ports.push_back(*port);
    if (dot == std::string_view::npos) {
      return ports;
    }
    text.remove_prefix(dot + 1);
  }
}

struct OrderedNode {
  std::optional<UsbTopology> topology;
  int number = 0;
  std::string path;
};

bool comesBefore(const OrderedNode& a, const OrderedNode& b) {
  if (a.topology.has_value() != b.topology.has_value()) {
    return a.topology.has_value();
  }
  return std::tie(a.topology, a.number, a.path) < std::tie(b.topology, b.number, b.path);
}

}  // namespace

std::optional<UsbTopology> topologyOf(std::string_view sysPath) {
  const std::string_view directory = interfaceDirectory(sysPath);
  const std::size_t dash = directory.find('-');
  const std::size_t colon = directory.find(':');
  if (dash == std::string_view::npos || colon == std::string_view::npos || colon < dash) {
    return {};
  }
  const std::string_view setting = directory.substr(colon + 1);
  const std::size_t dot = setting.find('.');
  if (dot == std::string_view::npos) {
    return {};
  }

  const auto bus = decimal(directory.substr(0, dash));
  auto ports = portChain(directory.substr(dash + 1, colon - dash - 1));
  const auto configuration = decimal(setting.substr(0, dot));
  const auto interfaceNumber = decimal(setting.substr(dot + 1));
  if (!bus || !ports || !configuration || !interfaceNumber) {
    return {};
  }
  return UsbTopology{*bus, std::move(*ports), *configuration, *interfaceNumber};
}

std::vector<std::u16string> orderedPrinterPaths(std::vector<UsbmiscNode> nodes) {
  std::vector<OrderedNode> printers;
  for (UsbmiscNode& node : nodes) {
    if (!isUsblpNode(node)) {
      continue;
    }
    std::string path =
        node.attachment ? attachedPath(node.devNode, *node.attachment) : std::move(node.devNode);
    printers.push_back({topologyOf(node.sysPath), *printerNumber(node.sysName), std::move(path)});
  }
  std::sort(printers.begin(), printers.end(), comesBefore);

  std::vector<std::u16string> paths;
  paths.reserve(printers.size());
  for (const OrderedNode& printer : printers) {
    paths.push_back(fromUtf8(printer.path));
  }
  return paths;
}

}  // namespace nobrix::platform::usblp
