// The system order of interfaces and the uniqueness of their paths, which the enumeration and the
// serial-number matching after the flash switch rely on.
#include <gtest/gtest.h>

#include <set>

#include "platform/sim/sim_bus.h"
#include "sim_test_support.h"

namespace nobrix::platform::sim {
namespace {

using testing::fieldValue;
using testing::readDeviceId;

TEST(SimBusOrder, SevenPrintersOfAnyMakerAreListedInPlugOrder) {
  SimBus bus;
  std::vector<std::u16string> plugged;
  for (int i = 0; i < 8; ++i) {
    PrinterScript script;
    script.serial = "SN" + std::to_string(i);
    if (i == 2) {
      script.manufacturer = "OTHERCO";
      script.model = "Inkwell 9";
    }
    plugged.push_back(bus.normalPath(bus.plug(script)));
  }
  const auto paths = bus.printerInterfacePaths();
  EXPECT_EQ(paths, plugged);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    EXPECT_EQ(fieldValue(readDeviceId(bus, paths[i]), "SN:"), "SN" + std::to_string(i));
  }
  EXPECT_EQ(std::set<std::u16string>(paths.begin(), paths.end()).size(), 8u);
}

TEST(SimBusOrder, ReturningPrinterGoesLastAndPathsAreNeverReused) {
  SimBus bus;
  const PrinterId a = bus.plug(PrinterScript{});
  const PrinterId b = bus.plug(PrinterScript{});
  const std::u16string aNormal = bus.normalPath(a);
  testing::sendFlashSwitch(bus, aNormal);
  bus.advance(10'000);
  bus.unplug(b);
  const PrinterId c = bus.plug(PrinterScript{});

  EXPECT_EQ(bus.printerInterfacePaths(),
            (std::vector<std::u16string>{bus.flashPath(a), bus.normalPath(c)}));
  const std::set<std::u16string> all{aNormal, bus.flashPath(a), bus.normalPath(b),
                                     bus.normalPath(c)};
  EXPECT_EQ(all.size(), 4u);
  EXPECT_FALSE(testing::opens(bus, bus.normalPath(b)));
}

TEST(SimBusOrder, SeveralPrintersSwitchIndependently) {
  SimBus bus;
  std::vector<PrinterId> ids;
  for (int i = 0; i < 3; ++i) {
    PrinterScript script;
    script.serial = "P";
    *script.serial += std::to_string(i);
    ids.push_back(bus.plug(script));
  }
  testing::sendFlashSwitch(bus, bus.normalPath(ids[2]));
  bus.advance(1'000);
  testing::sendFlashSwitch(bus, bus.normalPath(ids[0]));
  bus.advance(10'000);

  EXPECT_EQ(bus.phase(ids[1]), PrinterPhase::Idle);
  const auto paths = bus.printerInterfacePaths();
  ASSERT_EQ(paths.size(), 3u);
  EXPECT_EQ(paths[0], bus.normalPath(ids[1]));
  EXPECT_EQ(fieldValue(readDeviceId(bus, paths[1]), "SN:"), "P2");
  EXPECT_EQ(fieldValue(readDeviceId(bus, paths[2]), "SN:"), "P0");
  EXPECT_TRUE(bus.commandBytes(ids[1]).empty());
}

TEST(SimBusOrder, UnknownPrinterIdIsRejected) {
  SimBus bus;
  bus.plug(PrinterScript{});
  EXPECT_THROW(bus.phase(2), std::out_of_range);
  EXPECT_THROW(bus.unplug(0), std::out_of_range);
}

}  // namespace
}  // namespace nobrix::platform::sim
