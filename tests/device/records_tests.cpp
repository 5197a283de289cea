// Table slots, clearing a table and selecting the current device.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "tests/device/device_test_support.h"
#include "tests/device/scripted_platform.h"

namespace nobrix::device {
namespace {

using testing::SimRig;

std::unique_ptr<USBPrinterClassDeviceInfo> tableFullOf(char16_t fill) {
  auto table = std::make_unique<USBPrinterClassDeviceInfo>();
  table->deviceCount = 5;
  for (int i = 0; i < MaxPrinterDevices; ++i) {
    table->selected[i] = 1;
    std::fill(std::begin(table->description[i]), std::end(table->description[i]), fill);
    std::fill(std::begin(table->devicePath[i]), std::end(table->devicePath[i]), fill);
    std::fill(std::begin(table->serialNumber[i]), std::end(table->serialNumber[i]), fill);
  }
  return table;
}

TEST(TextSlot, ShortensOverlongTextAndKeepsTheTerminatorInside) {
  TextSlot slot;
  std::fill(std::begin(slot), std::end(slot), u'#');
  EXPECT_FALSE(copyToSlot(slot, std::u16string(300, u'a')));
  EXPECT_EQ(slotText(slot), std::u16string(255, u'a'));
  EXPECT_EQ(slot[255], u'\0');

  EXPECT_TRUE(copyToSlot(slot, u"short"));
  EXPECT_EQ(slotText(slot), u"short");
}

TEST(TextSlot, UnterminatedSlotReadsAsTheWholeSlotAndNoFurther) {
  TextSlot slots[2];
  std::fill(std::begin(slots[0]), std::end(slots[0]), u'x');
  std::fill(std::begin(slots[1]), std::end(slots[1]), u'y');
  EXPECT_EQ(slotText(slots[0]), std::u16string(kSlotChars, u'x'));
}

TEST(ClearDeviceInfo, NullTableIsRefused) {
  EXPECT_EQ(PrinterDeviceLayer::ClearDeviceInfo(nullptr), 0);
}

TEST(ClearDeviceInfo, LeavesEveryFieldZero) {
  auto table = tableFullOf(u'z');
  EXPECT_EQ(PrinterDeviceLayer::ClearDeviceInfo(table.get()), 1);
  const USBPrinterClassDeviceInfo zero{};
  EXPECT_EQ(std::memcmp(table.get(), &zero, sizeof zero), 0);
}

TEST(CurrentDevicePath, ModeOneSelectsAndEmptyPathKeepsThePrevious) {
  SimRig rig;
  rig.layer.Lib_SetUSBDeviceFilePath(1, u"/dev/usb/lp0");
  rig.layer.Lib_SetUSBDeviceFilePath(1, u"");
  rig.layer.Lib_SetUSBDeviceFilePath(1, nullptr);
  rig.layer.Lib_SetUSBDeviceFilePath(2, u"/dev/usb/lp9");
  EXPECT_EQ(rig.layer.currentDevicePath(), u"/dev/usb/lp0");

  rig.layer.Lib_SetUSBDeviceFilePath(1, u"/x");
  EXPECT_EQ(rig.layer.currentDevicePath(), u"/x");  // nothing of the longer path remains
}

TEST(CurrentDevicePath, PathThatDoesNotFitIsRefusedAndSelectsNoPrinter) {
  SimRig rig;
  const auto printer = rig.bus.plug({});
  rig.layer.Lib_SetUSBDeviceFilePath(1, rig.bus.normalPath(printer).c_str());
  ASSERT_EQ(rig.layer.Lib_IsConnectionValid(), 1);
  const std::u16string tooLong(kSlotChars, u'p');
  rig.layer.Lib_SetUSBDeviceFilePath(1, tooLong.c_str());
  EXPECT_EQ(rig.layer.currentDevicePath(), u"") << "not shortened, and not the previous printer";
  EXPECT_EQ(rig.layer.Lib_IsConnectionValid(), 0);

  const std::u16string longest(kSlotChars - 1, u'p');
  rig.layer.Lib_SetUSBDeviceFilePath(1, longest.c_str());
  EXPECT_EQ(rig.layer.currentDevicePath(), longest);
}

TEST(CurrentDevicePath, ModeZeroErasesAndEveryOperationThenFails) {
  SimRig rig;
  const auto printer = rig.bus.plug({});
  rig.select(printer);
  ASSERT_EQ(rig.layer.Lib_IsConnectionValid(), 1);

  rig.layer.Lib_SetUSBDeviceFilePath(0, u"ignored");
  EXPECT_TRUE(rig.layer.currentDevicePath().empty());
  EXPECT_EQ(rig.layer.Lib_IsConnectionValid(), 0);
  EXPECT_EQ(rig.layer.ReadDeviceId(), 0);
  EXPECT_EQ(rig.layer.GetPrinterState(), -1);
  EXPECT_EQ(rig.layer.WritePrinterCommand("x;"), 0);
  EXPECT_EQ(rig.layer.ReadPrinterReply(), 0);
  EXPECT_TRUE(rig.bus.commandBytes(printer).empty());
}

TEST(CurrentDevicePath, EmptyPathNeverReachesThePlatform) {
  testing::ScriptedPlatform platform;
  PrinterDeviceLayer layer(platform);
  EXPECT_EQ(layer.Lib_IsConnectionValid(), 0);
  EXPECT_EQ(layer.ReadDeviceId(), 0);
  EXPECT_EQ(platform.opens, 0);
}

}  // namespace
}  // namespace nobrix::device
