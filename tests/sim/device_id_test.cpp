// What the device layer reads from a simulated printer's IEEE 1284 device ID, in normal mode and
// in flash mode, including the place of the state digits inside the status field.
#include <gtest/gtest.h>

#include "platform/sim/sim_bus.h"
#include "sim_test_support.h"

namespace nobrix::platform::sim {
namespace {

using testing::fieldValue;
using testing::readDeviceId;

std::string idOf(PrinterScript script) {
  SimBus bus;
  const PrinterId printer = bus.plug(std::move(script));
  return readDeviceId(bus, bus.normalPath(printer));
}

std::string stateDigits(const std::string& id) {
  const auto status = fieldValue(id, ";S:");
  return status && status->size() >= 18 ? status->substr(16, 2) : std::string("<none>");
}

TEST(SimDeviceId, NormalModeReportsMakerModelAndSerial) {
  PrinterScript script;
  script.serial = "XYZ";
  const std::string id = idOf(script);
  EXPECT_EQ(fieldValue(id, "MFG:"), "SALVENOR");
  EXPECT_EQ(fieldValue(id, "MDL:"), "LRX5303");
  EXPECT_EQ(fieldValue(id, "SN:"), "XYZ");
  EXPECT_EQ(fieldValue(id, "CLS:"), "PRINTER");
  EXPECT_EQ(id.back(), ';');
}

TEST(SimDeviceId, StateCodeSitsAtCharacters16And17OfTheStatusValue) {
  struct Case {
    int code;
    const char* digits;
  };
  for (const Case& c :
       {Case{0, "00"}, Case{2, "02"}, Case{3, "03"}, Case{58, "3A"}, Case{255, "FF"}}) {
    PrinterScript script;
    script.statusCode = c.code;
    const std::string id = idOf(script);
    EXPECT_EQ(stateDigits(id), c.digits) << id;
    EXPECT_EQ(std::stoi(stateDigits(id), nullptr, 16), c.code);
  }
}

TEST(SimDeviceId, StatusFieldIsFoundOnlyWhereItStands) {
  // "CLS:" ends in "S:" too; only the real status field may follow a ";".
  const std::string id = idOf(PrinterScript{});
  EXPECT_EQ(id.find(";S:"), id.rfind(";S:"));
  EXPECT_EQ(id.find("SN:"), id.rfind("SN:"));
}

TEST(SimDeviceId, OptionalFieldsCanBeLeftOut) {
  PrinterScript noSerial;
  noSerial.serial = std::nullopt;
  EXPECT_EQ(fieldValue(idOf(noSerial), "SN:"), std::nullopt);

  PrinterScript noStatus;
  noStatus.hasStatusField = false;
  const std::string id = idOf(noStatus);
  EXPECT_EQ(fieldValue(id, ";S:"), std::nullopt) << id;
  EXPECT_EQ(fieldValue(id, "MFG:"), "SALVENOR");
}

TEST(SimDeviceId, RawIdReplacesTheComposedOneAndUnreadableIdFails) {
  PrinterScript raw;
  raw.rawDeviceId = std::string("S:0000000000000000;MDL:LRX5303;");
  EXPECT_EQ(idOf(raw), "S:0000000000000000;MDL:LRX5303;");

  PrinterScript unreadable;
  unreadable.deviceIdUnreadable = true;
  EXPECT_EQ(idOf(unreadable), "<unreadable>");
}

TEST(SimDeviceId, StatusChangesShowInTheNextRead) {
  SimBus bus;
  const PrinterId printer = bus.plug(PrinterScript{});
  EXPECT_EQ(stateDigits(readDeviceId(bus, bus.normalPath(printer))), "00");
  bus.setStatusCode(printer, 2);
  EXPECT_EQ(stateDigits(readDeviceId(bus, bus.normalPath(printer))), "02");
}

TEST(SimDeviceId, QueryWritesNoMoreThanTheCapacity) {
  SimBus bus;
  const PrinterId printer = bus.plug(PrinterScript{});
  const DeviceHandle handle = bus.open(bus.normalPath(printer), OpenMode::SharedReadWrite);
  char buffer[12];
  std::fill(std::begin(buffer), std::end(buffer), '#');
  std::size_t length = 99;
  ASSERT_TRUE(bus.queryDeviceId(handle, buffer, 8, length));
  EXPECT_EQ(length, 8u);
  EXPECT_EQ(std::string(buffer, 12), "MFG:SALV####");
  bus.close(handle);
}

TEST(SimDeviceId, FlashModeReportsTheLoaderWithTheSameSerial) {
  SimBus bus;
  PrinterScript script;
  script.serial = "CN0042";
  const PrinterId printer = bus.plug(script);
  testing::sendFlashSwitch(bus, bus.normalPath(printer));
  bus.advance(10'000);
  const std::string id = readDeviceId(bus, bus.flashPath(printer));
  EXPECT_EQ(fieldValue(id, "MFG:"), "NOBRIX");
  EXPECT_EQ(fieldValue(id, "MDL:"), "reflash");
  EXPECT_EQ(fieldValue(id, "SN:"), "CN0042");
}

}  // namespace
}  // namespace nobrix::platform::sim
