// The flash switch on the virtual clock: the normal-mode interface leaves, a flash-mode interface
// with the same serial number appears under the node it left (the kernel's lowest free number)
// but as a new attachment, and the hot-plug listeners hear each change.
#include <gtest/gtest.h>

#include <string>

#include "platform/sim/sim_bus.h"
#include "sim_test_support.h"

namespace nobrix::platform::sim {
namespace {

using testing::opens;
using testing::sendFlashSwitch;
using testing::writeText;

struct SimFlashSwitch : ::testing::Test {
  SimBus bus;
  int changes = 0;
  void SetUp() override {
    bus.addChangeListener([this] { ++changes; });
  }
};

TEST_F(SimFlashSwitch, LeavesThenReturnsInFlashModeUnderTheSameNodeAsANewAttachment) {
  PrinterScript script;
  script.leaveAfterSwitchMs = 300;
  script.reappearAfterMs = 2000;
  const PrinterId printer = bus.plug(script);
  const std::u16string normal = bus.normalPath(printer);
  ASSERT_EQ(changes, 1);

  sendFlashSwitch(bus, normal);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Switching);
  bus.advance(299);
  EXPECT_TRUE(opens(bus, normal));
  EXPECT_EQ(changes, 1);

  bus.advance(1);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Away);
  EXPECT_FALSE(opens(bus, normal));
  EXPECT_TRUE(bus.printerInterfacePaths().empty());
  EXPECT_EQ(changes, 2);

  bus.advance(1999);
  EXPECT_TRUE(bus.flashPath(printer).empty());
  bus.advance(1);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::FlashMode);
  EXPECT_EQ(changes, 3);
  const std::u16string flash = bus.flashPath(printer);
  EXPECT_NE(flash, normal);
  EXPECT_EQ(SimBus::nodeOf(flash), SimBus::nodeOf(normal));
  EXPECT_EQ(bus.printerInterfacePaths(), std::vector<std::u16string>{flash});
  // The path of the printer that left never opens again; its bare node reaches the newcomer,
  // as /dev/usb/lpN does on the kernel.
  EXPECT_FALSE(opens(bus, normal));
  EXPECT_EQ(testing::readDeviceId(bus, SimBus::nodeOf(normal)), testing::readDeviceId(bus, flash));
}

TEST_F(SimFlashSwitch, NodesGoToTheLowestFreeNumberAndARejoiningPrinterIsANewAttachment) {
  PrinterScript script;
  script.imageSize = 4;
  script.applyMs = 100;
  script.rejoinAfterApplyMs = 400;
  const PrinterId first = bus.plug(script);
  const PrinterId second = bus.plug(PrinterScript{});
  EXPECT_EQ(SimBus::nodeOf(bus.normalPath(second)), u"sim:/usb/lp1");
  bus.unplug(first);
  EXPECT_EQ(SimBus::nodeOf(bus.normalPath(bus.plug(PrinterScript{}))), u"sim:/usb/lp0");

  const PrinterId flashed = bus.plug(script);
  const std::u16string normal = bus.normalPath(flashed);
  sendFlashSwitch(bus, normal);
  bus.advance(2000);
  const DeviceHandle handle = bus.open(bus.flashPath(flashed), OpenMode::ExclusiveWriteOnly);
  ASSERT_TRUE(writeText(bus, handle, "IMG!").ok);
  bus.close(handle);
  bus.advance(100);
  EXPECT_EQ(bus.phase(flashed), PrinterPhase::Finished);
  EXPECT_FALSE(opens(bus, bus.flashPath(flashed)));
  bus.advance(400);
  const std::u16string rejoined = bus.normalPath(flashed);
  EXPECT_EQ(SimBus::nodeOf(rejoined), SimBus::nodeOf(normal));
  EXPECT_NE(rejoined, normal);
  EXPECT_TRUE(opens(bus, rejoined));
  EXPECT_FALSE(opens(bus, normal));
}

TEST_F(SimFlashSwitch, CommandIsRecognisedWhenSplitAcrossWrites) {
  const PrinterId printer = bus.plug(PrinterScript{});
  const DeviceHandle handle = bus.open(bus.normalPath(printer), OpenMode::SharedReadWrite);
  for (const char* piece : {"\x1b%-12345X@PJL udw.sr", "ec_down", "load;", "exit;"}) {
    EXPECT_TRUE(writeText(bus, handle, piece).ok);
  }
  bus.close(handle);
  EXPECT_EQ(bus.commandBytes(printer), "\x1b%-12345X@PJL udw.srec_download;exit;");
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Switching);
}

TEST_F(SimFlashSwitch, OtherCommandsAndNearMissesLeaveThePrinterIdle) {
  const PrinterId printer = bus.plug(PrinterScript{});
  const DeviceHandle handle = bus.open(bus.normalPath(printer), OpenMode::SharedReadWrite);
  EXPECT_TRUE(writeText(bus, handle, "ds2.set 79744, 1;udw.srec_download").ok);
  EXPECT_TRUE(writeText(bus, handle, " ;UDW.SREC_DOWNLOAD;").ok);
  bus.close(handle);
  bus.advance(60'000);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Idle);
  EXPECT_TRUE(opens(bus, bus.normalPath(printer)));
  EXPECT_EQ(changes, 1);
}

TEST_F(SimFlashSwitch, PrinterThatIgnoresTheCommandStaysButRecordsIt) {
  PrinterScript script;
  script.ignoresFlashCommands = true;
  const PrinterId printer = bus.plug(script);
  sendFlashSwitch(bus, bus.normalPath(printer));
  bus.advance(60'000);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Idle);
  EXPECT_EQ(bus.commandBytes(printer), "ds2.set 79744, 1;udw.srec_download;");
  EXPECT_TRUE(opens(bus, bus.normalPath(printer)));
}

TEST_F(SimFlashSwitch, PrinterThatNeverReturnsStaysAway) {
  PrinterScript script;
  script.reappearAfterMs = std::nullopt;
  const PrinterId printer = bus.plug(script);
  sendFlashSwitch(bus, bus.normalPath(printer));
  bus.advance(600'000);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Away);
  EXPECT_TRUE(bus.printerInterfacePaths().empty());
  EXPECT_EQ(changes, 2);
}

TEST_F(SimFlashSwitch, HandleOpenAcrossTheDepartureFailsCleanly) {
  const PrinterId printer = bus.plug(PrinterScript{});
  const DeviceHandle handle = bus.open(bus.normalPath(printer), OpenMode::SharedReadWrite);
  EXPECT_TRUE(writeText(bus, handle, "udw.srec_download;").ok);
  bus.advance(500);

  const IoResult write = writeText(bus, handle, "exit;");
  EXPECT_FALSE(write.ok);
  EXPECT_EQ(write.errorText, "No such device");
  std::uint8_t buffer[16];
  EXPECT_FALSE(bus.read(handle, buffer, sizeof buffer).ok);
  char id[64];
  std::size_t length = 0;
  EXPECT_FALSE(bus.queryDeviceId(handle, id, sizeof id, length));
  EXPECT_EQ(bus.openHandleCount(), 1);
  bus.close(handle);
  EXPECT_EQ(bus.openHandleCount(), 0);
  EXPECT_EQ(bus.commandBytes(printer), "udw.srec_download;");
}

TEST_F(SimFlashSwitch, UnplugWhileAwayCancelsTheReturn) {
  const PrinterId printer = bus.plug(PrinterScript{});
  sendFlashSwitch(bus, bus.normalPath(printer));
  bus.advance(500);
  bus.unplug(printer);
  bus.advance(60'000);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Unplugged);
  EXPECT_TRUE(bus.flashPath(printer).empty());
  EXPECT_TRUE(bus.printerInterfacePaths().empty());
  EXPECT_EQ(changes, 2);
}

TEST_F(SimFlashSwitch, ListenerCanQueryTheBusAndSeesTheNewSet) {
  std::vector<std::size_t> seen;
  bus.addChangeListener([this, &seen] { seen.push_back(bus.printerInterfacePaths().size()); });
  const PrinterId first = bus.plug(PrinterScript{});
  bus.plug(PrinterScript{});
  sendFlashSwitch(bus, bus.normalPath(first));
  bus.advance(10'000);
  EXPECT_EQ(seen, (std::vector<std::size_t>{1, 2, 1, 2}));
}

}  // namespace
}  // namespace nobrix::platform::sim
