// Opening and reading a simulated printer: the sharing rules of shared and exclusive opens, opens
// that fail or throw, reply reads bounded by the caller's buffer, and empty reads that wait.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/sim/sim_bus.h"
#include "sim_test_support.h"

namespace nobrix::platform::sim {
namespace {

using testing::opens;
using testing::writeText;

TEST(SimOpen, SharedHandlesCoexistButExclusiveNeedsTheInterfaceAlone) {
  SimBus bus;
  const std::u16string path = bus.normalPath(bus.plug(PrinterScript{}));
  const DeviceHandle first = bus.open(path, OpenMode::SharedReadWrite);
  const DeviceHandle second = bus.open(path, OpenMode::SharedReadWrite);
  ASSERT_NE(first, kInvalidHandle);
  ASSERT_NE(second, kInvalidHandle);
  EXPECT_NE(first, second);
  EXPECT_EQ(bus.open(path, OpenMode::ExclusiveWriteOnly), kInvalidHandle);
  bus.close(first);
  EXPECT_EQ(bus.open(path, OpenMode::ExclusiveWriteOnly), kInvalidHandle);
  bus.close(second);

  const DeviceHandle exclusive = bus.open(path, OpenMode::ExclusiveWriteOnly);
  ASSERT_NE(exclusive, kInvalidHandle);
  EXPECT_FALSE(opens(bus, path, OpenMode::SharedReadWrite));
  EXPECT_FALSE(opens(bus, path, OpenMode::ExclusiveWriteOnly));
  bus.close(exclusive);
  EXPECT_TRUE(opens(bus, path, OpenMode::SharedReadWrite));
  EXPECT_EQ(bus.openHandleCount(), 0);
}

TEST(SimOpen, ExclusiveOnOnePrinterDoesNotBlockAnother) {
  SimBus bus;
  const std::u16string a = bus.normalPath(bus.plug(PrinterScript{}));
  const std::u16string b = bus.normalPath(bus.plug(PrinterScript{}));
  const DeviceHandle exclusive = bus.open(a, OpenMode::ExclusiveWriteOnly);
  ASSERT_NE(exclusive, kInvalidHandle);
  EXPECT_TRUE(opens(bus, b, OpenMode::ExclusiveWriteOnly));
  bus.close(exclusive);
}

TEST(SimOpen, UnknownBusyAndThrowingPrinters) {
  SimBus bus;
  EXPECT_EQ(bus.open(u"sim:/usb/lp0", OpenMode::SharedReadWrite), kInvalidHandle);
  EXPECT_EQ(bus.open(u"", OpenMode::SharedReadWrite), kInvalidHandle);

  PrinterScript busy;
  busy.openFails = true;
  const PrinterId busyPrinter = bus.plug(busy);
  EXPECT_FALSE(opens(bus, bus.normalPath(busyPrinter)));
  EXPECT_EQ(bus.printerInterfacePaths().size(), 1u);  // present, just not openable

  PrinterScript throwing;
  throwing.openThrows = "device stack broke";
  const PrinterId thrower = bus.plug(throwing);
  try {
    bus.open(bus.normalPath(thrower), OpenMode::SharedReadWrite);
    ADD_FAILURE() << "open did not throw";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "device stack broke");
  }
  EXPECT_EQ(bus.openHandleCount(), 0);
  EXPECT_TRUE(opens(bus, bus.normalPath(bus.plug(PrinterScript{}))));  // bus still usable
}

TEST(SimOpen, StaleAndUnknownHandlesFailWithoutHarm) {
  SimBus bus;
  const PrinterId printer = bus.plug(PrinterScript{});
  const DeviceHandle handle = bus.open(bus.normalPath(printer), OpenMode::SharedReadWrite);
  bus.close(handle);
  bus.close(handle);
  EXPECT_FALSE(writeText(bus, handle, "exit;").ok);
  EXPECT_FALSE(writeText(bus, kInvalidHandle, "exit;").ok);
  std::uint8_t buffer[8];
  EXPECT_FALSE(bus.read(handle, buffer, sizeof buffer).ok);
  EXPECT_TRUE(bus.commandBytes(printer).empty());
}

struct SimRead : ::testing::Test {
  SimBus bus{BusOptions{.readWaitMs = 10}};
  std::uint8_t buffer[1024] = {};

  IoResult readOnce(DeviceHandle handle, std::size_t capacity) {
    return bus.read(handle, buffer, capacity);
  }
};

TEST_F(SimRead, ReplyComesOnlyAfterTheFirstCommandAndInCapacitySizedPieces) {
  PrinterScript script;
  script.reply = "@PJL USTATUS DEVICE\r\nCODE=10001\r\n";
  const PrinterId printer = bus.plug(script);
  const DeviceHandle handle = bus.open(bus.normalPath(printer), OpenMode::SharedReadWrite);

  IoResult result = readOnce(handle, sizeof buffer);
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.bytes, 0u);

  ASSERT_TRUE(writeText(bus, handle, "ds2.set 79744, 1;").ok);
  std::string reply;
  for (int i = 0; i < 10; ++i) {
    result = readOnce(handle, 8);
    ASSERT_TRUE(result.ok);
    ASSERT_LE(result.bytes, 8u);
    reply.append(reinterpret_cast<const char*>(buffer), result.bytes);
  }
  EXPECT_EQ(reply, script.reply);

  ASSERT_TRUE(writeText(bus, handle, "udw.srec_download;").ok);
  EXPECT_EQ(readOnce(handle, sizeof buffer).bytes, 0u);  // offered once, not per command
  bus.close(handle);
}

TEST_F(SimRead, EmptyReadWaitsSoAQuietTimeLoopEnds) {
  const PrinterId printer = bus.plug(PrinterScript{});
  const DeviceHandle handle = bus.open(bus.normalPath(printer), OpenMode::SharedReadWrite);
  const std::uint32_t start = bus.tickCount();
  int reads = 0;
  while (bus.tickCount() - start <= 1000) {
    const IoResult result = readOnce(handle, sizeof buffer);
    ASSERT_TRUE(result.ok);
    ASSERT_EQ(result.bytes, 0u);
    ++reads;
  }
  EXPECT_EQ(reads, 101);
  bus.close(handle);
}

TEST_F(SimRead, WriteOnlyHandleCannotRead) {
  const PrinterId printer = bus.plug(PrinterScript{});
  const DeviceHandle handle = bus.open(bus.normalPath(printer), OpenMode::ExclusiveWriteOnly);
  EXPECT_FALSE(readOnce(handle, sizeof buffer).ok);
  bus.close(handle);
}

TEST_F(SimRead, FlashModeInterfaceHasNoReplyAndDepartedOneFails) {
  PrinterScript script;
  script.reply = "never read";
  script.imageSize = 4;
  script.applyMs = 100;
  const PrinterId printer = bus.plug(script);
  testing::sendFlashSwitch(bus, bus.normalPath(printer));
  bus.advance(5'000);
  const DeviceHandle handle = bus.open(bus.flashPath(printer), OpenMode::SharedReadWrite);
  IoResult result = readOnce(handle, sizeof buffer);
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.bytes, 0u);
  ASSERT_TRUE(writeText(bus, handle, "IMG!").ok);
  bus.advance(100);
  EXPECT_FALSE(readOnce(handle, sizeof buffer).ok);
  bus.close(handle);
}

}  // namespace
}  // namespace nobrix::platform::sim
