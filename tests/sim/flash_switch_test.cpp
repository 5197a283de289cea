// The flash switch on the virtual clock: the normal-mode interface leaves, a flash-mode interface
// with the same serial number and a new path appears, and the hot-plug listeners hear each change.
#include <gtest/gtest.h>

#include <string>

#include "platform/sim/sim_bus.h"

namespace nobrix::platform::sim {
namespace {

const std::string kSwitchCommand = "udw.srec_download;";

void send(SimBus& bus, DeviceHandle handle, const std::string& text) {
  const IoResult result =
      bus.write(handle, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  ASSERT_TRUE(result.ok) << result.errorText;
  EXPECT_EQ(result.bytes, text.size());
}

bool opens(SimBus& bus, const std::u16string& path) {
  const DeviceHandle handle = bus.open(path, OpenMode::SharedReadWrite);
  bus.close(handle);
  return handle != kInvalidHandle;
}

std::string deviceId(SimBus& bus, const std::u16string& path) {
  const DeviceHandle handle = bus.open(path, OpenMode::SharedReadWrite);
  char buffer[512];
  std::size_t length = 0;
  const bool ok = bus.queryDeviceId(handle, buffer, sizeof buffer, length);
  bus.close(handle);
  return ok ? std::string(buffer, length) : std::string();
}

struct FlashSwitch : ::testing::Test {
  SimBus bus;
  int changes = 0;
  void SetUp() override {
    bus.addChangeListener([this] { ++changes; });
  }
};

TEST_F(FlashSwitch, LeavesThenReturnsInFlashModeWithSameSerialAndNewPath) {
  PrinterScript script;
  script.serial = "CN12345";
  script.leaveAfterSwitchMs = 300;
  script.reappearAfterMs = 2000;
  const PrinterId printer = bus.plug(script);
  const std::u16string normal = bus.normalPath(printer);
  ASSERT_EQ(changes, 1);

  const DeviceHandle handle = bus.open(normal, OpenMode::SharedReadWrite);
  send(bus, handle, "ds2.set 79744, 1;");
  send(bus, handle, kSwitchCommand);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Switching);

  bus.advance(299);
  EXPECT_TRUE(opens(bus, normal));
  EXPECT_EQ(changes, 1);
  bus.advance(1);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Away);
  EXPECT_FALSE(opens(bus, normal));
  EXPECT_TRUE(bus.printerInterfacePaths().empty());
  EXPECT_EQ(changes, 2);

  const IoResult late = bus.write(handle, reinterpret_cast<const std::uint8_t*>("x"), 1);
  EXPECT_FALSE(late.ok);
  EXPECT_FALSE(late.errorText.empty());
  bus.close(handle);

  bus.advance(1999);
  EXPECT_TRUE(bus.flashPath(printer).empty());
  bus.advance(1);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::FlashMode);
  const std::u16string flash = bus.flashPath(printer);
  EXPECT_NE(flash, normal);
  EXPECT_EQ(bus.printerInterfacePaths(), std::vector<std::u16string>{flash});
  const std::string id = deviceId(bus, flash);
  EXPECT_EQ(id.rfind("MFG:NOBRIX;MDL:reflash;", 0), 0u) << id;
  EXPECT_NE(id.find(";SN:CN12345;"), std::string::npos) << id;
}

}  // namespace
}  // namespace nobrix::platform::sim
