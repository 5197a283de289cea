// From gathered usbmisc records to the printer list: which nodes count and in what order.
#include "platform/linux/interface_order.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace nobrix::platform::usblp {
namespace {

const std::string kHostController = "/sys/devices/pci0000:00/0000:00:14.0";

// A usblp node below the USB interface directory `interfaceDir` ("1-2.1:1.0").
UsbmiscNode printer(int number, const std::string& interfaceDir) {
  const std::string name = "lp" + std::to_string(number);
  const std::string device = interfaceDir.substr(0, interfaceDir.find(':'));
  const std::string bus = "usb" + device.substr(0, device.find('-'));
  return {name, "/dev/usb/" + name,
          kHostController + "/" + bus + "/" + device + "/" + interfaceDir + "/usbmisc/" + name,
          std::nullopt};
}

std::vector<std::u16string> paths(std::initializer_list<int> numbers) {
  std::vector<std::u16string> result;
  for (const int n : numbers) {
    std::u16string path = u"/dev/usb/lp";
    for (const char c : std::to_string(n)) {
      path += static_cast<char16_t>(c);
    }
    result.push_back(path);
  }
  return result;
}

TEST(InterfaceTopology, ReadsBusPortChainAndInterfaceFromTheSysfsPath) {
  const auto deep = topologyOf(kHostController + "/usb3/3-1/3-1.4/3-1.4.2/3-1.4.2:1.1/usbmisc/lp7");
  ASSERT_TRUE(deep.has_value());
  EXPECT_EQ(*deep, (UsbTopology{3, {1, 4, 2}, 1, 1}));

  const auto emulated =
      topologyOf("/sys/devices/platform/dummy_hcd.0/usb5/5-1/5-1:1.0/usbmisc/lp0");
  ASSERT_TRUE(emulated.has_value());
  EXPECT_EQ(*emulated, (UsbTopology{5, {1}, 1, 0}));
}

TEST(InterfaceTopology, RefusesPathsThatAreNotAUsbInterface) {
  for (const char* path : {
           "",
           "/sys/devices/virtual/usbmisc/lp0",              // no USB interface above the node
           "/sys/devices/pci0000:00/usb1/1-2/1-2:1.0/lp0",  // no usbmisc directory
           "/sys/devices/usb1/1-:1.0/usbmisc/lp0",          // empty port chain
           "/sys/devices/usb1/1-2.:1.0/usbmisc/lp0",        // chain ends in a dot
           "/sys/devices/usb1/1-2:1/usbmisc/lp0",           // no interface number
           "/sys/devices/usb1/x-2:1.0/usbmisc/lp0",         // bus is not a number
           "/sys/devices/usb1/1-2a:1.0/usbmisc/lp0",        // port is not a number
           "/sys/devices/usb1/1-2:1.0x/usbmisc/lp0",        // trailing junk
       }) {
    EXPECT_FALSE(topologyOf(path).has_value()) << path;
  }
}

TEST(PrinterOrder, KeepsOnlyUsblpNodes) {
  const std::vector<UsbmiscNode> nodes = {
      printer(0, "1-1:1.0"),
      {"hiddev0", "/dev/usb/hiddev0", kHostController + "/usb1/1-2/1-2:1.0/usbmisc/hiddev0",
       std::nullopt},
      {"lp1", "", kHostController + "/usb1/1-3/1-3:1.0/usbmisc/lp1",
       std::nullopt},  // node not created
      {"lp2", "/dev/lp2", kHostController + "/usb1/1-4/1-4:1.0/usbmisc/lp2", std::nullopt},
      {"lp", "/dev/usb/lp", kHostController + "/usb1/1-5/1-5:1.0/usbmisc/lp", std::nullopt},
      {"lpx", "/dev/usb/lpx", kHostController + "/usb1/1-6/1-6:1.0/usbmisc/lpx", std::nullopt},
      {"lp3", "/dev/usb/lp4", kHostController + "/usb1/1-7/1-7:1.0/usbmisc/lp3", std::nullopt},
  };
  EXPECT_EQ(orderedPrinterPaths(nodes), paths({0}));
}

TEST(PrinterOrder, FollowsBusThenPortChainNotTheNodeNumber) {
  std::vector<UsbmiscNode> nodes = {
      printer(0, "1-3:1.0"), printer(1, "10-1:1.0"), printer(2, "1-2.4:1.0"), printer(3, "1-2:1.0"),
      printer(4, "2-1:1.0"), printer(5, "1-10:1.0"), printer(6, "1-2.4:1.1"), printer(7, "1-9:1.0"),
  };
  // Numbers compare as numbers (bus 2 before 10, port 9 before 10); a hub's ports follow the
  // hub's own place; two interfaces of one printer go by interface number.
  const auto expected = paths({3, 2, 6, 0, 7, 5, 4, 1});
  EXPECT_EQ(orderedPrinterPaths(nodes), expected);

  std::reverse(nodes.begin(), nodes.end());
  EXPECT_EQ(orderedPrinterPaths(nodes), expected);
  std::rotate(nodes.begin(), nodes.begin() + 3, nodes.end());
  EXPECT_EQ(orderedPrinterPaths(nodes), expected);
}

TEST(PrinterOrder, NodesWithoutAPlaceOnTheTreeComeLastByNumber) {
  const std::vector<UsbmiscNode> nodes = {
      {"lp10", "/dev/usb/lp10", "/sys/devices/virtual/usbmisc/lp10", std::nullopt},
      printer(4, "2-1:1.0"),
      {"lp9", "/dev/usb/lp9", "/sys/devices/virtual/usbmisc/lp9", std::nullopt},
      printer(12, "1-1:1.0"),
  };
  EXPECT_EQ(orderedPrinterPaths(nodes), paths({12, 4, 9, 10}));
}

TEST(PrinterOrder, PathsNameTheAttachmentWhereItIsKnown) {
  UsbmiscNode attached = printer(0, "1-2:1.0");
  attached.attachment = UsbAttachment{1, 17};
  EXPECT_EQ(orderedPrinterPaths({printer(3, "1-1:1.0"), attached}),
            (std::vector<std::u16string>{u"/dev/usb/lp3", u"/dev/usb/lp0@1:17"}));
}

TEST(PrinterOrder, NoNodesNoPaths) {
  EXPECT_TRUE(orderedPrinterPaths({}).empty());
}

}  // namespace
}  // namespace nobrix::platform::usblp
