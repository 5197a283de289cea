// Framed command writes, the reply drain by quiet time, and the connection test.
#include <gtest/gtest.h>

#include "device/command_envelope.h"
#include "tests/device/device_test_support.h"
#include "tests/device/scripted_platform.h"

namespace nobrix::device {
namespace {

using testing::expectedEnvelope;
using testing::ScriptedPlatform;
using testing::SimRig;

std::string envelopeText(std::string_view command) {
  std::uint8_t envelope[kEnvelopeBytes]{};
  const std::size_t size = buildCommandEnvelope(command, envelope);
  return std::string(reinterpret_cast<const char*>(envelope), size);
}

TEST(CommandEnvelope, FramesBothFlashCommandsExactly) {
  const std::string uel = "\x1b%-12345X";
  const std::pair<std::string_view, std::size_t> cases[] = {{kFlashCommandSet, 75},
                                                            {kFlashCommandDownload, 76}};
  for (const auto& [command, size] : cases) {
    const std::string envelope = envelopeText(command);
    EXPECT_EQ(envelope, expectedEnvelope(command));
    EXPECT_EQ(envelope.size(), size);
    EXPECT_EQ(envelope.substr(0, uel.size()), uel);
    EXPECT_EQ(envelope.substr(envelope.size() - uel.size()), uel);
  }
}

TEST(CommandEnvelope, LongestCommandFillsTheBufferAndLongerIsRefused) {
  EXPECT_EQ(envelopeText(std::string(kMaxCommandBytes, 'c')).size(), kEnvelopeBytes);
  EXPECT_EQ(envelopeText(std::string(kMaxCommandBytes + 1, 'c')), "");
}

TEST(WritePrinterCommand, WritesTheEnvelopeThenGivesThePrinterTime) {
  SimRig rig;
  const auto printer = rig.bus.plug({});
  rig.select(printer);
  const std::uint64_t before = rig.bus.elapsedMs();
  EXPECT_EQ(rig.layer.WritePrinterCommand("ds2.get 1;"), 1);
  EXPECT_EQ(rig.bus.commandBytes(printer), expectedEnvelope("ds2.get 1;"));
  EXPECT_GE(rig.bus.elapsedMs() - before, 200u);
  EXPECT_EQ(rig.bus.openHandleCount(), 0);
}

TEST(WritePrinterCommand, OverlongCommandIsRefusedWithoutOpening) {
  ScriptedPlatform platform;
  PrinterDeviceLayer layer(platform);
  layer.Lib_SetUSBDeviceFilePath(1, u"/p");
  EXPECT_EQ(layer.WritePrinterCommand(std::string(kMaxCommandBytes + 1, 'c')), 0);
  EXPECT_EQ(platform.opens, 0);
  EXPECT_EQ(layer.WritePrinterCommand(std::string(kMaxCommandBytes, 'c')), 1);
  EXPECT_EQ(platform.written.size(), kEnvelopeBytes);
}

TEST(WritePrinterCommand, CountsOnlyAWriteOfEveryByte) {
  struct Case {
    const char* name;
    std::size_t chunk;
    bool takesNothing;
    bool fails;
    int result;
  };
  const Case cases[] = {
      {"whole write", 0, false, false, 1},
      {"partial writes are continued", 7, false, false, 1},
      {"write that takes nothing", 0, true, false, 0},
      {"write error", 0, false, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedPlatform platform;
    platform.writeChunk = c.chunk;
    platform.writeTakesNothing = c.takesNothing;
    platform.writeFails = c.fails;
    PrinterDeviceLayer layer(platform);
    layer.Lib_SetUSBDeviceFilePath(1, u"/p");
    EXPECT_EQ(layer.WritePrinterCommand(kFlashCommandSet), c.result);
    EXPECT_EQ(platform.written, c.result == 1 ? expectedEnvelope(kFlashCommandSet) : "");
    EXPECT_EQ(platform.sleeps,
              c.result == 1 ? std::vector<std::uint32_t>{200} : std::vector<std::uint32_t>{});
    EXPECT_EQ(platform.closes, 1);
    EXPECT_LE(platform.writeCalls, 11);
  }
}

TEST(ReadPrinterReply, SilentPrinterIsGivenUpAfterASecond) {
  const std::uint32_t starts[] = {0, 0xFFFFFFFFu - 300};  // the second wraps mid-drain
  for (const std::uint32_t start : starts) {
    SCOPED_TRACE(start);
    SimRig rig(platform::sim::BusOptions{.tickAtStart = start});
    rig.select(rig.bus.plug({}));
    EXPECT_EQ(rig.layer.ReadPrinterReply(), 0);
    EXPECT_GT(rig.bus.elapsedMs(), 1000u);
    EXPECT_LE(rig.bus.elapsedMs(), 1000u + 2 * 10u);
    EXPECT_EQ(rig.bus.openHandleCount(), 0);
  }
}

TEST(ReadPrinterReply, EndsHalfASecondAfterTheLastByte) {
  ScriptedPlatform platform;
  platform.replies = {{100, "OK "}, {420, "done"}};
  PrinterDeviceLayer layer(platform);
  layer.Lib_SetUSBDeviceFilePath(1, u"/p");
  EXPECT_EQ(layer.ReadPrinterReply(), 7);
  EXPECT_EQ(layer.lastReply(), "OK done");
  EXPECT_GT(platform.tick, 920u);
  EXPECT_LE(platform.tick, 930u);
}

TEST(ReadPrinterReply, ReplyFromTheSimulatedPrinter) {
  SimRig rig(platform::sim::BusOptions{.tickAtStart = 0xFFFFFFFFu - 100});
  platform::sim::PrinterScript script;
  script.reply = "ds2 79744 = 1";
  rig.select(rig.bus.plug(script));
  ASSERT_EQ(rig.layer.WritePrinterCommand(kFlashCommandSet), 1);
  const std::uint64_t before = rig.bus.elapsedMs();
  EXPECT_EQ(rig.layer.ReadPrinterReply(), 13);
  EXPECT_EQ(rig.layer.lastReply(), "ds2 79744 = 1");
  EXPECT_GT(rig.bus.elapsedMs() - before, 500u);
  EXPECT_LE(rig.bus.elapsedMs() - before, 500u + 2 * 10u);
}

TEST(ReadPrinterReply, KeepsTheFirst1024BytesAndStops) {
  std::string reply;
  for (int i = 0; i < 1100; ++i) {
    reply += static_cast<char>('a' + i % 26);
  }
  ScriptedPlatform platform;
  platform.replies = {{10, reply.substr(0, 1000)}, {20, reply.substr(1000)}, {30, "never read"}};
  PrinterDeviceLayer layer(platform);
  layer.Lib_SetUSBDeviceFilePath(1, u"/p");
  EXPECT_EQ(layer.ReadPrinterReply(), 1024);
  EXPECT_EQ(layer.lastReply(), reply.substr(0, 1024));
  EXPECT_EQ(platform.replies.size(), 1u);
}

TEST(ReadPrinterReply, LongSimulatedReplyStopsAt1024) {
  SimRig rig;
  platform::sim::PrinterScript script;
  script.reply = std::string(1500, 'r');
  rig.select(rig.bus.plug(script));
  ASSERT_EQ(rig.layer.WritePrinterCommand("x;"), 1);
  const std::uint64_t before = rig.bus.elapsedMs();
  EXPECT_EQ(rig.layer.ReadPrinterReply(), 1024);
  EXPECT_LT(rig.bus.elapsedMs() - before, 500u);
}

TEST(ReadPrinterReply, FailedReadEndsTheDrainWithWhatCame) {
  ScriptedPlatform platform;
  platform.replies = {{50, "part"}};
  platform.readFailsAtTick = 200;
  PrinterDeviceLayer layer(platform);
  layer.Lib_SetUSBDeviceFilePath(1, u"/p");
  EXPECT_EQ(layer.ReadPrinterReply(), 4);
  EXPECT_EQ(platform.tick, 200u);
}

TEST(ConnectionTest, OpensOnlyWhileThePrinterIsThere) {
  SimRig rig;
  EXPECT_EQ(rig.layer.Lib_IsConnectionValid(), 0);
  const auto printer = rig.bus.plug({});
  rig.select(printer);
  EXPECT_EQ(rig.layer.Lib_IsConnectionValid(), 1);
  EXPECT_EQ(rig.bus.openHandleCount(), 0);
  rig.bus.unplug(printer);
  EXPECT_EQ(rig.layer.Lib_IsConnectionValid(), 0);
}

TEST(ConnectionTest, ExceptionsReachTheCallerWithoutABox) {
  SimRig rig;
  platform::sim::PrinterScript script;
  script.openThrows = "printer access broke";
  rig.select(rig.bus.plug(script));
  EXPECT_THROW(rig.layer.Lib_IsConnectionValid(), std::runtime_error);
  EXPECT_THROW(rig.layer.ReadPrinterReply(), std::runtime_error);
  EXPECT_TRUE(rig.boxes.empty());

  ScriptedPlatform platform;
  platform.readThrows = true;
  PrinterDeviceLayer layer(platform);
  layer.Lib_SetUSBDeviceFilePath(1, u"/p");
  EXPECT_THROW(layer.ReadPrinterReply(), std::runtime_error);
  EXPECT_EQ(platform.closes, platform.opens);
}

}  // namespace
}  // namespace nobrix::device
