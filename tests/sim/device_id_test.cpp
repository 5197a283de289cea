// What the device layer reads from a simulated printer's IEEE 1284 device ID.
#include <gtest/gtest.h>

#include "platform/sim/sim_bus.h"

namespace nobrix::platform::sim {
namespace {

std::string readId(SimBus& bus, const std::u16string& path) {
  const DeviceHandle handle = bus.open(path, OpenMode::SharedReadWrite);
  EXPECT_NE(handle, kInvalidHandle);
  char buffer[512];
  std::size_t length = 0;
  const bool ok = bus.queryDeviceId(handle, buffer, sizeof buffer, length);
  bus.close(handle);
  return ok ? std::string(buffer, length) : std::string("<unreadable>");
}

TEST(SimDeviceId, NormalModeCarriesMakerModelSerialAndStatus) {
  SimBus bus;
  PrinterScript script;
  script.serial = "XYZ";
  const PrinterId printer = bus.plug(script);
  const std::string id = readId(bus, bus.normalPath(printer));
  EXPECT_EQ(id.rfind("MFG:SALVENOR;MDL:LRX5303;", 0), 0u) << id;
  EXPECT_NE(id.find(";SN:XYZ;"), std::string::npos) << id;
}

}  // namespace
}  // namespace nobrix::platform::sim
