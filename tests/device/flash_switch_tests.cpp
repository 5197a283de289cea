// The switch into flash mode end to end on simulated printers: the two commands, the printer
// leaving, and finding it again under its flash-mode interface by serial number.
#include <gtest/gtest.h>

#include <memory>

#include "tests/device/device_test_support.h"

namespace nobrix::device {
namespace {

using platform::sim::PrinterPhase;
using platform::sim::PrinterScript;
using testing::expectedEnvelope;
using testing::SimRig;

const std::string kBothCommands =
    expectedEnvelope(kFlashCommandSet) + expectedEnvelope(kFlashCommandDownload);

PrinterScript printer(std::string serial, int statusCode = 0) {
  PrinterScript script;
  script.serial = std::move(serial);
  script.statusCode = statusCode;
  return script;
}

TEST(FlashSwitch, PrinterLeavesAndReturnsInFlashModeWithItsSerial) {
  SimRig rig;
  const auto bystander = rig.bus.plug(printer("KEEP01"));
  const auto target = rig.bus.plug(printer("FLASH7"));
  rig.select(target);

  EXPECT_EQ(rig.layer.Lib_SendFlashCommand(), 1);
  EXPECT_EQ(rig.bus.commandBytes(target), kBothCommands);
  EXPECT_EQ(rig.bus.commandBytes(bystander), "");
  rig.bus.advance(500);
  EXPECT_EQ(rig.layer.Lib_IsConnectionValid(), 0);

  rig.bus.advance(3000);
  auto all = std::make_unique<USBPrinterClassDeviceInfo>();
  auto flash = std::make_unique<USBPrinterClassDeviceInfo>();
  ASSERT_EQ(rig.layer.Lib_EnumeratePrinterClassPnPDevices(all.get()), 2);
  ASSERT_EQ(PrinterDeviceLayer::Lib_GetSupportedPrinterDeviceInfo(kFlashModeDescription.data(),
                                                                  flash.get(), all.get()),
            1);
  EXPECT_EQ(slotText(flash->serialNumber[0]), u"FLASH7");
  EXPECT_EQ(slotText(flash->devicePath[0]), rig.bus.flashPath(target));
  EXPECT_NE(slotText(flash->devicePath[0]), rig.bus.normalPath(target));
  EXPECT_EQ(rig.bus.phase(target), PrinterPhase::FlashMode);
  EXPECT_EQ(rig.bus.phase(bystander), PrinterPhase::Idle);
}

TEST(FlashSwitch, StateDecidesWhetherTheCommandsGoOut) {
  struct Case {
    const char* name;
    int statusCode;
    int result;
    bool written;
  };
  const Case cases[] = {{"idle", 0, 1, true},
                        {"manufacturing mode", 3, 1, true},
                        {"printing", 2, 0, false},
                        {"canceling", 5, 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimRig rig;
    const auto target = rig.bus.plug(printer("S1", c.statusCode));
    rig.select(target);
    EXPECT_EQ(rig.layer.Lib_SendFlashCommand(), c.result);
    EXPECT_EQ(rig.bus.commandBytes(target), c.written ? kBothCommands : "");
    // Refused or not, the drain in between waits for an answer that never comes.
    EXPECT_GT(rig.bus.elapsedMs(), 1000u);
  }
}

TEST(FlashSwitch, PrinterThatIgnoresTheCommandsStaysConnected) {
  SimRig rig;
  PrinterScript script = printer("S1");
  script.ignoresFlashCommands = true;
  const auto target = rig.bus.plug(script);
  rig.select(target);
  EXPECT_EQ(rig.layer.Lib_SendFlashCommand(), 1);
  rig.bus.advance(5000);
  EXPECT_EQ(rig.layer.Lib_IsConnectionValid(), 1);
  EXPECT_EQ(rig.bus.phase(target), PrinterPhase::Idle);
}

TEST(FlashSwitch, UnreachablePrinterGetsNothingAndNoBox) {
  SimRig rig;
  PrinterScript script = printer("S1");
  script.openFails = true;
  const auto target = rig.bus.plug(script);
  rig.select(target);
  EXPECT_EQ(rig.layer.Lib_SendFlashCommand(), 0);
  EXPECT_EQ(rig.bus.commandBytes(target), "");
  EXPECT_TRUE(rig.boxes.empty());
}

}  // namespace
}  // namespace nobrix::device
