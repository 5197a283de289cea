// The image the program carries (its resource on Windows, the package's file elsewhere): found as
// resource 111, byte for byte the file the build took, and streamed whole to a simulated printer
// in the fixed pieces.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

#include "firmware/embedded/program_resources.h"
#include "firmware/embedded/stand_in_image.h"
#include "firmware/firmware_transfer.h"
#include "firmware_test_support.h"

namespace nobrix::firmware {
namespace {

struct LinkedImage {
  const std::uint8_t* bytes = nullptr;
  std::size_t size = 0;
};

LinkedImage lockLinkedImage(ResourceModule& resources) {
  const ModuleHandle module = resources.ownModule();
  const ResourceEntry entry =
      resources.find(module, kFirmwareImageResourceId, kRawDataResourceType);
  const LoadedResource loaded = resources.load(module, entry);
  return {resources.lock(loaded), resources.size(module, entry)};
}

TEST(EmbeddedImage, IsTheFileTheBuildEmbeddedByteForByte) {
  const auto resources = makeProgramResourceModule();
  const LinkedImage image = lockLinkedImage(*resources);
  ASSERT_NE(image.bytes, nullptr);

  std::ifstream file(NOBRIX_EMBEDDED_IMAGE_PATH, std::ios::binary);
  ASSERT_TRUE(file) << NOBRIX_EMBEDDED_IMAGE_PATH;
  std::vector<char> block(1 << 20);
  std::size_t offset = 0;
  while (file.read(block.data(), static_cast<std::streamsize>(block.size())) || file.gcount() > 0) {
    const auto got = static_cast<std::size_t>(file.gcount());
    ASSERT_LE(offset + got, image.size) << "the file is longer than the linked image";
    ASSERT_EQ(std::memcmp(image.bytes + offset, block.data(), got), 0) << "differs near " << offset;
    offset += got;
  }
  EXPECT_EQ(offset, image.size);
}

TEST(EmbeddedImage, IsFoundOnlyAsRawDataResource111) {
  const auto resources = makeProgramResourceModule();
  const ModuleHandle module = resources->ownModule();
  ASSERT_TRUE(module);
  EXPECT_TRUE(resources->find(module, 111, 10));
  EXPECT_FALSE(resources->find(module, 112, 10));
  EXPECT_FALSE(resources->find(module, 111, 6));
  EXPECT_FALSE(resources->find(ModuleHandle{}, 111, 10));
  EXPECT_FALSE(resources->load(module, ResourceEntry{}));
  EXPECT_EQ(resources->lock(LoadedResource{}), nullptr);
}

TEST(EmbeddedImage, TheStandInIsTheDocumentedSequence) {
  if (!NOBRIX_EMBEDDED_IMAGE_IS_STAND_IN) {
    GTEST_SKIP() << "this build carries a real image";
  }
  // splitmix64's published first output for seed 0, least significant byte first.
  StandInSequence reference(0);
  std::uint8_t first[8];
  reference.fill(first, sizeof first);
  EXPECT_EQ(std::vector<std::uint8_t>(first, first + 8),
            (std::vector<std::uint8_t>{0xAF, 0xCD, 0x1D, 0x7B, 0x39, 0xA8, 0x20, 0xE2}));

  const auto resources = makeProgramResourceModule();
  const LinkedImage image = lockLinkedImage(*resources);
  ASSERT_EQ(image.size, kStandInImageBytes);
  std::vector<std::uint8_t> expected(image.size);
  StandInSequence().fill(expected.data(), expected.size());
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), image.bytes));
}

TEST(EmbeddedImage, ACompleteSendDeliversItInFullPiecesAndOneRemainder) {
  const auto resources = makeProgramResourceModule();
  const LinkedImage image = lockLinkedImage(*resources);
  platform::sim::SimBus bus;
  testing::FakeTexts texts;
  testing::RecordingMessages messages;
  FirmwareTransfer transfer{bus, *resources, texts, messages};
  platform::sim::PrinterScript script;
  script.imageSize = image.size;
  const auto printer = testing::plugInFlashMode(bus, script);

  EXPECT_EQ(transfer.sendImage(bus.flashPath(printer).c_str()), 1);
  const auto received = bus.image(printer);
  const std::size_t piece = FirmwareTransfer::kPieceBytes;
  std::vector<std::size_t> expectedWrites(image.size / piece, piece);
  if (image.size % piece != 0) {
    expectedWrites.push_back(image.size % piece);
  }
  EXPECT_EQ(received.writeSizes, expectedWrites);
  EXPECT_EQ(received.checksum, platform::sim::imageChecksum(image.bytes, image.size));
  EXPECT_EQ(bus.phase(printer), platform::sim::PrinterPhase::Applying);
  EXPECT_TRUE(messages.shown.empty());
  if (image.size == kStandInImageBytes) {
    EXPECT_EQ(expectedWrites.size(), 940U);
    EXPECT_EQ(expectedWrites.back(), 3'217U);
  }
}

}  // namespace
}  // namespace nobrix::firmware
