// Image reception in flash mode: byte counts, checksum, write sizes, partial writes, transfer
// time, a printer cut off mid-transfer, and leaving the bus after applying the image.
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "platform/sim/sim_bus.h"
#include "sim_test_support.h"

namespace nobrix::platform::sim {
namespace {

std::vector<std::uint8_t> patternBytes(std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  std::uint32_t x = 12345;
  for (auto& b : bytes) {
    x = x * 1103515245u + 12345u;
    b = static_cast<std::uint8_t>(x >> 16);
  }
  return bytes;
}

struct ImageReceptionTest : ::testing::Test {
  SimBus bus;
  int changes = 0;
  PrinterId printer = 0;
  DeviceHandle handle = kInvalidHandle;
  std::vector<std::uint8_t> image = patternBytes(10'317);

  // Plugs the printer, switches it to flash mode and opens its flash-mode path for the image.
  void startInFlashMode(PrinterScript script) {
    script.imageSize = image.size();
    printer = bus.plug(std::move(script));
    testing::sendFlashSwitch(bus, bus.normalPath(printer));
    bus.advance(5'000);
    ASSERT_EQ(bus.phase(printer), PrinterPhase::FlashMode);
    handle = bus.open(bus.flashPath(printer), OpenMode::ExclusiveWriteOnly);
    ASSERT_NE(handle, kInvalidHandle);
    bus.addChangeListener([this] { ++changes; });
  }

  IoResult writeAt(std::size_t offset, std::size_t size) {
    return bus.write(handle, image.data() + offset, size);
  }

  // Sends the image in pieces of `piece` bytes, the last piece holding the rest.
  void sendInPieces(std::size_t piece) {
    for (std::size_t offset = 0; offset < image.size(); offset += piece) {
      const IoResult result = writeAt(offset, std::min(piece, image.size() - offset));
      ASSERT_TRUE(result.ok) << result.errorText;
    }
  }
};

TEST(ImageChecksum, IsFnv1a64AndExtendsAcrossPieces) {
  EXPECT_EQ(imageChecksum(nullptr, 0), 0xcbf29ce484222325ULL);
  const std::uint8_t a[] = {'a'};
  EXPECT_EQ(imageChecksum(a, 1), 0xaf63dc4c8601ec8cULL);
  const auto bytes = patternBytes(1000);
  const std::uint64_t whole = imageChecksum(bytes.data(), bytes.size());
  EXPECT_EQ(imageChecksum(bytes.data() + 300, 700, imageChecksum(bytes.data(), 300)), whole);
  EXPECT_NE(imageChecksum(bytes.data(), 300, imageChecksum(bytes.data() + 300, 700)), whole);
}

TEST_F(ImageReceptionTest, CountsEveryByteInOrderWithEachWriteSize) {
  startInFlashMode(PrinterScript{});
  sendInPieces(1000);
  const ImageReception received = bus.image(printer);
  EXPECT_EQ(received.bytes, image.size());
  EXPECT_EQ(received.checksum, imageChecksum(image.data(), image.size()));
  std::vector<std::size_t> expected(10, 1000);
  expected.push_back(317);
  EXPECT_EQ(received.writeSizes, expected);
  EXPECT_EQ(received.rejectedWrites, 0);
  EXPECT_TRUE(bus.commandBytes(printer).find("udw.srec_download;") != std::string::npos);
  EXPECT_EQ(bus.commandBytes(printer).size(), 35u);
}

TEST_F(ImageReceptionTest, LeavesTheBusOnlyAfterApplyingTheWholeImage) {
  PrinterScript script;
  script.applyMs = 45'000;
  startInFlashMode(script);
  ASSERT_TRUE(writeAt(0, image.size() - 1).ok);
  bus.advance(100'000);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::FlashMode);

  ASSERT_TRUE(writeAt(image.size() - 1, 1).ok);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Applying);
  bus.advance(44'999);
  EXPECT_EQ(bus.printerInterfacePaths().size(), 1u);
  bus.advance(1);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Finished);
  EXPECT_TRUE(bus.printerInterfacePaths().empty());
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(writeAt(0, 1).ok);
  bus.close(handle);
  EXPECT_FALSE(testing::opens(bus, bus.flashPath(printer)));
}

TEST_F(ImageReceptionTest, PrinterThatNeverAppliesStaysPresent) {
  PrinterScript script;
  script.applyMs = std::nullopt;
  startInFlashMode(script);
  sendInPieces(4096);
  bus.advance(600'000);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Applying);
  EXPECT_EQ(bus.printerInterfacePaths().size(), 1u);
}

TEST_F(ImageReceptionTest, PartialWritesAcceptAtMostTheLimit) {
  PrinterScript script;
  script.maxBytesPerWrite = 300;
  startInFlashMode(script);
  std::size_t offset = 0;
  int calls = 0;
  while (offset < image.size()) {
    const IoResult result = writeAt(offset, std::min<std::size_t>(1000, image.size() - offset));
    ASSERT_TRUE(result.ok);
    ASSERT_LE(result.bytes, 300u);
    offset += result.bytes;
    ++calls;
  }
  EXPECT_EQ(calls, 35);  // ceil(10317 / 300)
  EXPECT_EQ(bus.image(printer).checksum, imageChecksum(image.data(), image.size()));
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Applying);
}

TEST_F(ImageReceptionTest, UnplugMidTransferKeepsOnlyTheBytesBeforeTheCut) {
  PrinterScript script;
  script.unplugAfterImageBytes = 2'500;
  startInFlashMode(script);
  EXPECT_TRUE(writeAt(0, 1000).ok);
  EXPECT_TRUE(writeAt(1000, 1000).ok);
  const IoResult cut = writeAt(2000, 1000);
  EXPECT_FALSE(cut.ok);
  EXPECT_EQ(cut.errorText, "Input/output error");
  EXPECT_EQ(cut.failure, IoFailure::Gone);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Unplugged);
  EXPECT_TRUE(bus.printerInterfacePaths().empty());
  EXPECT_EQ(changes, 1);

  EXPECT_FALSE(writeAt(3000, 1000).ok);
  const ImageReception received = bus.image(printer);
  EXPECT_EQ(received.bytes, 2'500u);
  EXPECT_EQ(received.checksum, imageChecksum(image.data(), 2'500));
  EXPECT_EQ(received.writeSizes, (std::vector<std::size_t>{1000, 1000}));
  EXPECT_EQ(received.rejectedWrites, 2);
  bus.advance(600'000);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Unplugged);
}

TEST_F(ImageReceptionTest, CutAtAWriteBoundaryLetsThatWriteSucceed) {
  PrinterScript script;
  script.unplugAfterImageBytes = 2'000;
  startInFlashMode(script);
  EXPECT_TRUE(writeAt(0, 1000).ok);
  EXPECT_TRUE(writeAt(1000, 1000).ok);
  EXPECT_TRUE(bus.printerInterfacePaths().empty());
  EXPECT_FALSE(writeAt(2000, 1000).ok);
  EXPECT_EQ(bus.image(printer).bytes, 2'000u);
}

TEST_F(ImageReceptionTest, TransferRateCostsVirtualTimeWithoutLosingFractions) {
  PrinterScript script;
  script.bytesPerSecond = 1'000'000;  // each 100-byte write takes a tenth of a millisecond
  script.applyMs = 1'000;
  startInFlashMode(script);
  const std::uint64_t before = bus.elapsedMs();
  for (std::size_t offset = 0; offset < 10'000; offset += 100) {
    ASSERT_TRUE(writeAt(offset, 100).ok);
  }
  EXPECT_EQ(bus.elapsedMs() - before, 10u);
}

TEST_F(ImageReceptionTest, ApplyTimeCountsFromTheEndOfTheLastWrite) {
  PrinterScript script;
  script.bytesPerSecond = 1'000;
  script.applyMs = 1'000;
  startInFlashMode(script);
  const std::uint64_t before = bus.elapsedMs();
  ASSERT_TRUE(writeAt(0, image.size()).ok);
  EXPECT_EQ(bus.elapsedMs() - before, 10'317u);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Applying);
  bus.advance(999);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Applying);
  bus.advance(1);
  EXPECT_EQ(bus.phase(printer), PrinterPhase::Finished);
}

}  // namespace
}  // namespace nobrix::platform::sim
