// The bus clock: virtual sleeps that run due events in time order, the wrapping 32-bit tick
// counter, scheduled plugs, and the real-time mode used by the demo program.
#include <gtest/gtest.h>

#include <thread>

#include "platform/sim/sim_bus.h"
#include "sim_test_support.h"

namespace nobrix::platform::sim {
namespace {

TEST(SimClock, TickCounterWrapsLikeTheSystemCounter) {
  SimBus bus{BusOptions{.tickAtStart = 0xFFFFFF00u}};
  const std::uint32_t t0 = bus.tickCount();
  EXPECT_EQ(t0, 0xFFFFFF00u);
  bus.sleep(0x200);
  const std::uint32_t t1 = bus.tickCount();
  EXPECT_EQ(t1, 0x100u);
  EXPECT_EQ(static_cast<std::uint32_t>(t1 - t0), 0x200u);
  EXPECT_EQ(bus.elapsedMs(), 0x200u);
}

TEST(SimClock, LongWaitsCostNoRealTime) {
  SimBus bus;
  const auto realStart = std::chrono::steady_clock::now();
  for (int i = 0; i < 19; ++i) {
    bus.sleep(10'000);
  }
  EXPECT_EQ(bus.elapsedMs(), 190'000u);
  EXPECT_LT(std::chrono::steady_clock::now() - realStart, std::chrono::seconds(2));
}

TEST(SimClock, PlugAfterAppearsAtItsTimeAndInTimeOrder) {
  SimBus bus;
  std::vector<std::size_t> counts;
  bus.addChangeListener([&] { counts.push_back(bus.printerInterfacePaths().size()); });
  PrinterScript late;
  late.serial = "LATE";
  PrinterScript early;
  early.serial = "EARLY";
  bus.plugAfter(3'000, late);
  bus.plugAfter(1'000, early);
  bus.advance(999);
  EXPECT_TRUE(bus.printerInterfacePaths().empty());

  bus.sleep(5'000);  // one sleep passes both: they must still come in time order
  ASSERT_EQ(bus.printers().size(), 2u);
  const auto paths = bus.printerInterfacePaths();
  ASSERT_EQ(paths.size(), 2u);
  EXPECT_EQ(testing::fieldValue(testing::readDeviceId(bus, paths[0]), "SN:"), "EARLY");
  EXPECT_EQ(testing::fieldValue(testing::readDeviceId(bus, paths[1]), "SN:"), "LATE");
  EXPECT_EQ(counts, (std::vector<std::size_t>{1, 2}));
}

TEST(SimClock, EventsDuringASleepSeeTheirOwnTime) {
  // The flash-mode interface appears relative to the departure, which happened mid-sleep.
  SimBus bus;
  PrinterScript script;
  script.leaveAfterSwitchMs = 300;
  script.reappearAfterMs = 2'000;
  const PrinterId printer = bus.plug(script);
  std::vector<std::uint64_t> changeTimes;
  bus.addChangeListener([&] { changeTimes.push_back(bus.elapsedMs()); });
  testing::sendFlashSwitch(bus, bus.normalPath(printer));
  bus.sleep(10'000);
  EXPECT_EQ(changeTimes, (std::vector<std::uint64_t>{300, 2'300}));
  EXPECT_EQ(bus.elapsedMs(), 10'000u);
}

TEST(SimClock, ZeroDelaysTakeEffectOnTheNextCall) {
  SimBus bus;
  PrinterScript script;
  script.leaveAfterSwitchMs = 0;
  script.reappearAfterMs = 0;
  const PrinterId printer = bus.plug(script);
  testing::sendFlashSwitch(bus, bus.normalPath(printer));
  EXPECT_EQ(bus.printerInterfacePaths(), std::vector<std::u16string>{bus.flashPath(printer)});
  EXPECT_EQ(bus.elapsedMs(), 0u);
}

TEST(SimClock, WritesToNormalModeCostTheConfiguredTime) {
  SimBus bus{BusOptions{.writeCostMs = 5}};
  const PrinterId printer = bus.plug(PrinterScript{});
  const DeviceHandle handle = bus.open(bus.normalPath(printer), OpenMode::SharedReadWrite);
  testing::writeText(bus, handle, "a");
  testing::writeText(bus, handle, "b");
  bus.close(handle);
  EXPECT_EQ(bus.elapsedMs(), 10u);
}

TEST(SimClock, WorkerSleepingWhileAnotherThreadEnumerates) {
  SimBus bus;
  for (int i = 0; i < 3; ++i) {
    bus.plug(PrinterScript{});
  }
  std::thread worker([&] {
    for (int i = 0; i < 200; ++i) {
      bus.plugAfter(5, PrinterScript{});
      bus.sleep(10);
    }
  });
  std::size_t lastSeen = 0;
  for (int i = 0; i < 200; ++i) {
    const std::size_t seen = bus.printerInterfacePaths().size();
    EXPECT_GE(seen, lastSeen);
    lastSeen = seen;
  }
  worker.join();
  EXPECT_EQ(bus.printerInterfacePaths().size(), 203u);
}

TEST(SimClock, RealTimeModeRunsEventsWhenPolled) {
  // A huge factor keeps the real waiting below a microsecond per virtual second.
  SimBus bus{BusOptions{.realTimeFactor = 1e9}};
  bus.plugAfter(1'000, PrinterScript{});
  bus.sleep(2'000);
  EXPECT_EQ(bus.printerInterfacePaths().size(), 1u);
  EXPECT_GE(bus.elapsedMs(), 2'000u);

  bus.plugAfter(60'000, PrinterScript{});
  bus.advance(60'000);  // advance jumps without waiting, also in real-time mode
  EXPECT_EQ(bus.printerInterfacePaths().size(), 2u);
}

}  // namespace
}  // namespace nobrix::platform::sim
