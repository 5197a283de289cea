// Listing the printer-class interfaces into a table and filtering it by description.
#include <gtest/gtest.h>

#include <memory>

#include "tests/device/device_test_support.h"
#include "tests/device/scripted_platform.h"

namespace nobrix::device {
namespace {

using platform::sim::PrinterScript;
using testing::SimRig;

using Table = std::unique_ptr<USBPrinterClassDeviceInfo>;

Table emptyTable() {
  return std::make_unique<USBPrinterClassDeviceInfo>();
}

PrinterScript printerWithSerial(std::string serial) {
  PrinterScript script;
  script.serial = std::move(serial);
  return script;
}

TEST(Enumeration, StoresTheFirstSixInTheSystemsOrder) {
  SimRig rig;
  std::vector<platform::sim::PrinterId> printers;
  for (int i = 0; i < 7; ++i) {
    printers.push_back(rig.bus.plug(printerWithSerial("SN" + std::to_string(i))));
  }
  auto table = emptyTable();
  EXPECT_EQ(rig.layer.Lib_EnumeratePrinterClassPnPDevices(table.get()), 6);
  EXPECT_EQ(table->deviceCount, 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(slotText(table->devicePath[i]), rig.bus.normalPath(printers[i]));
    EXPECT_EQ(slotText(table->serialNumber[i]), testing::widen("SN" + std::to_string(i)));
  }
  EXPECT_EQ(rig.layer.currentDevicePath(), rig.bus.normalPath(printers[5]));
  EXPECT_EQ(rig.bus.openHandleCount(), 0);
}

TEST(Enumeration, StoresForeignAndUnreadablePrinters) {
  SimRig rig;
  PrinterScript foreign;
  foreign.manufacturer = "OTHERCO";
  foreign.model = "Inkwell 9";
  PrinterScript unreadable;
  unreadable.deviceIdUnreadable = true;
  PrinterScript busy;
  busy.openFails = true;
  rig.bus.plug(foreign);
  rig.bus.plug(unreadable);
  rig.bus.plug(busy);
  auto table = emptyTable();
  table->selected[0] = 1;

  ASSERT_EQ(rig.layer.Lib_EnumeratePrinterClassPnPDevices(table.get()), 3);
  EXPECT_EQ(slotText(table->description[0]), u"OTHERCO Inkwell 9");
  EXPECT_EQ(slotText(table->serialNumber[0]), u"SIM0001");
  for (int i = 1; i < 3; ++i) {
    EXPECT_EQ(slotText(table->description[i]), u"unknown");
    EXPECT_EQ(slotText(table->serialNumber[i]), u"unknown");
  }
  EXPECT_EQ(table->selected[0], 0);
  EXPECT_TRUE(rig.boxes.empty());
}

TEST(Enumeration, NullTableTouchesNothing) {
  SimRig rig;
  rig.bus.plug({});
  rig.layer.Lib_SetUSBDeviceFilePath(1, u"/kept");
  EXPECT_EQ(rig.layer.Lib_EnumeratePrinterClassPnPDevices(nullptr), 0);
  EXPECT_EQ(rig.layer.currentDevicePath(), u"/kept");
}

TEST(Enumeration, NoInterfacesGivesAnEmptyTable) {
  SimRig rig;
  auto table = emptyTable();
  table->deviceCount = 4;
  copyToSlot(table->description[0], u"stale");
  EXPECT_EQ(rig.layer.Lib_EnumeratePrinterClassPnPDevices(table.get()), 0);
  EXPECT_EQ(table->deviceCount, 0);
  EXPECT_EQ(slotText(table->description[0]), u"");
}

TEST(Enumeration, PathsThatCannotBeStoredWholeAreSkipped) {
  testing::ScriptedPlatform platform;
  const std::u16string longest(kSlotChars - 1, u'a');
  platform.paths = {u"/first", std::u16string(kSlotChars, u'b'), u"", std::u16string(u"/cut\0x", 6),
                    longest};
  PrinterDeviceLayer layer(platform);
  auto table = emptyTable();
  ASSERT_EQ(layer.Lib_EnumeratePrinterClassPnPDevices(table.get()), 2);
  EXPECT_EQ(slotText(table->devicePath[0]), u"/first");
  EXPECT_EQ(slotText(table->devicePath[1]), longest);
  EXPECT_EQ(slotText(table->description[1]), u"M D");
}

TEST(Enumeration, FailingListIsShownAndGivesZero) {
  testing::ScriptedPlatform platform;
  testing::RecordingErrorBox errorBox;
  const auto& boxes = errorBox.boxes;
  platform.pathsThrow = true;
  PrinterDeviceLayer layer(platform, errorBox);
  auto table = emptyTable();
  EXPECT_EQ(layer.Lib_EnumeratePrinterClassPnPDevices(table.get()), 0);
  EXPECT_EQ(table->deviceCount, 0);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, u"VUZ App");
  EXPECT_EQ(boxes[0].text, u"enumeration broke");
}

// A source table written by hand: descriptions in order, path and serial derived from the index.
Table sourceTable(std::initializer_list<std::u16string_view> descriptions) {
  auto table = emptyTable();
  for (std::u16string_view description : descriptions) {
    const int i = table->deviceCount++;
    copyToSlot(table->description[i], description);
    copyToSlot(table->devicePath[i], u"/path" + std::u16string(1, char16_t(u'0' + i)));
    copyToSlot(table->serialNumber[i], u"SN" + std::u16string(1, char16_t(u'0' + i)));
  }
  return table;
}

TEST(SupportedFilter, CopiesExactMatchesInSourceOrder) {
  const auto source = sourceTable({u"SALVENOR LRX5303", u"OTHERCO X", u"unknown",
                                   u"salvenor lrx5303", u"SALVENOR LRX5303 ", u"SALVENOR LRX5303"});
  auto destination = emptyTable();
  EXPECT_EQ(PrinterDeviceLayer::Lib_GetSupportedPrinterDeviceInfo(u"SALVENOR LRX5303",
                                                                  destination.get(), source.get()),
            2);
  EXPECT_EQ(destination->deviceCount, 2);
  EXPECT_EQ(slotText(destination->devicePath[0]), u"/path0");
  EXPECT_EQ(slotText(destination->serialNumber[0]), u"SN0");
  EXPECT_EQ(slotText(destination->devicePath[1]), u"/path5");
  EXPECT_EQ(slotText(destination->serialNumber[1]), u"SN5");
  EXPECT_EQ(slotText(destination->description[1]), u"SALVENOR LRX5303");
}

TEST(SupportedFilter, LeavesFlagsAndLaterEntriesAsTheyWere) {
  const auto source = sourceTable({u"OTHERCO X", u"NOBRIX reflash"});
  auto destination = sourceTable({u"old0", u"old1", u"old2"});
  destination->selected[0] = 1;
  destination->selected[2] = 1;
  EXPECT_EQ(PrinterDeviceLayer::Lib_GetSupportedPrinterDeviceInfo(u"NOBRIX reflash",
                                                                  destination.get(), source.get()),
            1);
  EXPECT_EQ(slotText(destination->devicePath[0]), u"/path1");
  EXPECT_EQ(slotText(destination->description[1]), u"old1");
  EXPECT_EQ(slotText(destination->description[2]), u"old2");
  EXPECT_EQ(destination->selected[0], 1);
  EXPECT_EQ(destination->selected[2], 1);
}

TEST(SupportedFilter, NothingToMatchStoresZero) {
  const auto idleOnly = sourceTable({u"SALVENOR LRX5303"});
  auto negative = sourceTable({u"NOBRIX reflash"});
  negative->deviceCount = -1;
  struct Case {
    const char* name;
    const char16_t* wanted;
    const USBPrinterClassDeviceInfo* source;
  };
  const Case cases[] = {{"no flash printer", u"NOBRIX reflash", idleOnly.get()},
                        {"letter case differs", u"Salvenor LRX5303", idleOnly.get()},
                        {"negative count", u"NOBRIX reflash", negative.get()},
                        {"no source", u"SALVENOR LRX5303", nullptr},
                        {"no name", nullptr, idleOnly.get()}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto destination = emptyTable();
    destination->deviceCount = 3;
    EXPECT_EQ(PrinterDeviceLayer::Lib_GetSupportedPrinterDeviceInfo(c.wanted, destination.get(),
                                                                    c.source),
              0);
    EXPECT_EQ(destination->deviceCount, 0);
  }
  EXPECT_EQ(PrinterDeviceLayer::Lib_GetSupportedPrinterDeviceInfo(u"x", nullptr, idleOnly.get()),
            0);
}

TEST(SupportedFilter, CountAboveSixLooksAtSixEntriesOnly) {
  auto source = sourceTable({u"A", u"A", u"A", u"A", u"A", u"A"});
  source->deviceCount = 1000;
  auto destination = emptyTable();
  EXPECT_EQ(
      PrinterDeviceLayer::Lib_GetSupportedPrinterDeviceInfo(u"A", destination.get(), source.get()),
      6);
}

}  // namespace
}  // namespace nobrix::device
