// The image transfer against simulated printers with a small in-memory image: piece sizes and
// order, the resource faults and their messages, an unopenable or vanishing printer, partial
// writes, and that everything acquired is released on every path.
#include "firmware/firmware_transfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <optional>

#include "firmware_test_support.h"
#include "tests/support/forwarding_platform.h"

namespace nobrix::firmware {
namespace {

using platform::sim::imageChecksum;
using platform::sim::PrinterScript;
using testing::plugInFlashMode;

constexpr std::size_t kPiece = FirmwareTransfer::kPieceBytes;

class FirmwareTransferTest : public ::testing::Test {
 protected:
  FirmwareTransferTest() {
    resources.bytes.resize(3 * kPiece + 17);
    std::iota(resources.bytes.begin(), resources.bytes.end(), std::uint8_t{7});
    texts.texts["StrRes_FiirmwareNotFound"] =
        u"Build Error: Could not find firmware resource file!";
    texts.texts["StrRes_FirmwareLoadFail"] = u"Error: Could not load firmware resource file!";
    texts.texts["StrRes_FirmwareZeroBytes"] = u"Error: Firmware resource file size is 0 bytes!";
    texts.texts["StrRes_FirmwareNotAccepted"] =
        u"Error: The printer did not accept the firmware data!";
    texts.texts["StrRes_FirmwarePrinterGone"] = u"Error: The printer was unplugged!";
    texts.texts["StrRes_FirmwarePrinterStalled"] = u"Error: The printer stopped answering!";
    texts.texts["StrRes_SystemMessageDetail"] = u"System message: %1";
  }

  // A printer that takes exactly the test image; `change` adjusts the rest of its script.
  PrinterScript script(void (*change)(PrinterScript&) = nullptr) const {
    PrinterScript printer;
    printer.imageSize = resources.bytes.size();
    if (change != nullptr) {
      change(printer);
    }
    return printer;
  }

  std::int32_t send(platform::sim::PrinterId printer) {
    return transfer.sendImage(bus.flashPath(printer).c_str());
  }
  std::uint64_t expectedChecksum() const {
    return imageChecksum(resources.bytes.data(), resources.bytes.size());
  }
  std::vector<std::u16string> shownTexts() const {
    std::vector<std::u16string> out;
    for (const auto& message : messages.shown) {
      out.push_back(message.text);
    }
    return out;
  }

  platform::sim::SimBus bus;
  testing::FakeResources resources;
  testing::FakeTexts texts;
  testing::RecordingMessages messages;
  FirmwareTransfer transfer{bus, resources, texts, messages};
};

TEST_F(FirmwareTransferTest, SendsTheWholeImageInOrderInFullPiecesAndARemainder) {
  const auto printer = plugInFlashMode(bus, script());
  EXPECT_EQ(send(printer), 1);
  const auto image = bus.image(printer);
  EXPECT_EQ(image.writeSizes, (std::vector<std::size_t>{kPiece, kPiece, kPiece, 17}));
  EXPECT_EQ(image.checksum, expectedChecksum());
  EXPECT_EQ(resources.lookups, (std::vector<std::pair<std::uint16_t, std::uint16_t>>{{111, 10}}));
  EXPECT_EQ(resources.frees, resources.loads);
  EXPECT_EQ(bus.openHandleCount(), 0);
  EXPECT_TRUE(messages.shown.empty());

  resources.bytes.resize(2 * kPiece);
  const auto exact = plugInFlashMode(bus, script());
  EXPECT_EQ(send(exact), 1);
  EXPECT_EQ(bus.image(exact).writeSizes, (std::vector<std::size_t>{kPiece, kPiece}));
}

// Every byte handed to the device is read from the locked image itself, at its own offset: a
// working copy of the whole image (77 MB per send) cannot come back unnoticed.
TEST_F(FirmwareTransferTest, WritesEveryPieceStraightFromTheLockedImage) {
  struct AddressRecorder final : nobrix::testing::ForwardingPlatform {
    using ForwardingPlatform::ForwardingPlatform;
    std::vector<const std::uint8_t*> writes;
    platform::IoResult write(platform::DeviceHandle handle, const std::uint8_t* data,
                             std::size_t size) override {
      writes.push_back(data);
      return ForwardingPlatform::write(handle, data, size);
    }
  } recorder(bus);
  FirmwareTransfer direct{recorder, resources, texts, messages};
  const auto printer =
      plugInFlashMode(bus, script([](PrinterScript& s) { s.maxBytesPerWrite = 50'000; }));
  ASSERT_EQ(direct.sendImage(bus.flashPath(printer).c_str()), 1);

  const std::uint8_t* image = resources.bytes.data();
  std::vector<const std::uint8_t*> expected;
  for (std::size_t piece = 0; piece < resources.bytes.size(); piece += kPiece) {
    const std::size_t end = std::min(piece + kPiece, resources.bytes.size());
    for (std::size_t offset = piece; offset < end; offset += 50'000) {
      expected.push_back(image + offset);
    }
  }
  EXPECT_EQ(recorder.writes, expected);
}

// What the window reads while a send runs: "sending" only while the device is open, the count
// only grows by what the device took, and a printer that vanishes halfway leaves its share.
TEST_F(FirmwareTransferTest, ProgressCountsWhatTheDeviceTookWhileTheSendRuns) {
  struct ProgressReader final : nobrix::testing::ForwardingPlatform {
    using ForwardingPlatform::ForwardingPlatform;
    const TransferProgress* progress = nullptr;
    std::vector<std::uint64_t> seen;
    bool sendingThroughout = true;
    platform::IoResult write(platform::DeviceHandle handle, const std::uint8_t* data,
                             std::size_t size) override {
      sendingThroughout = sendingThroughout && progress->sending.load();
      seen.push_back(progress->acceptedBytes.load());
      return ForwardingPlatform::write(handle, data, size);
    }
  };
  struct Case {
    std::optional<std::uint64_t> unplugAfter;
    std::uint64_t expectedAccepted;
  };
  const std::uint64_t size = resources.bytes.size();
  // A printer that leaves 100 bytes into the second piece took those 100 bytes too.
  for (const Case& c : {Case{std::nullopt, size}, Case{kPiece + 100, kPiece + 100}}) {
    ProgressReader reader(bus);
    FirmwareTransfer observed{reader, resources, texts, messages};
    reader.progress = observed.progress();
    auto printerScript = script();
    printerScript.unplugAfterImageBytes = c.unplugAfter;
    const auto printer = plugInFlashMode(bus, printerScript);
    EXPECT_FALSE(reader.progress->sending.load());
    observed.sendImage(bus.flashPath(printer).c_str());

    EXPECT_TRUE(reader.sendingThroughout);
    EXPECT_FALSE(reader.progress->sending.load());
    EXPECT_TRUE(std::is_sorted(reader.seen.begin(), reader.seen.end()));
    EXPECT_EQ(reader.seen.front(), 0U);
    EXPECT_EQ(reader.progress->acceptedBytes.load(), c.expectedAccepted);
    EXPECT_EQ(reader.progress->imageBytes.load(), size);
  }
}

TEST_F(FirmwareTransferTest, ContinuesPartialWritesUntilEveryByteIsDelivered) {
  const auto printer =
      plugInFlashMode(bus, script([](PrinterScript& s) { s.maxBytesPerWrite = 30'000; }));
  EXPECT_EQ(send(printer), 1);
  const auto image = bus.image(printer);
  EXPECT_EQ(image.bytes, resources.bytes.size());
  EXPECT_EQ(image.checksum, expectedChecksum());
  EXPECT_EQ(image.writeSizes.size(), 3U * 3U + 1U) << "81,920 = 30,000 + 30,000 + 21,920";
}

TEST_F(FirmwareTransferTest, AnUnopenablePathFailsSilentlyAndSendsNothing) {
  const auto printer = plugInFlashMode(bus, script());
  const auto blocker = bus.open(bus.flashPath(printer), platform::OpenMode::SharedReadWrite);
  EXPECT_EQ(send(printer), 0) << "the image needs the printer to itself";
  bus.close(blocker);
  EXPECT_EQ(transfer.sendImage(u"\\\\?\\usb#gone"), 0);
  EXPECT_EQ(transfer.sendImage(nullptr), 0);
  EXPECT_EQ(bus.image(printer).bytes, 0U);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(resources.frees, resources.loads);
  EXPECT_EQ(bus.openHandleCount(), 0);
}

TEST_F(FirmwareTransferTest, ResourceFaultsAreToldOnceEachTimeAndNeverOpenThePrinter) {
  struct Fault {
    void (*apply)(testing::FakeResources&);
    std::vector<std::u16string> shown;
  };
  const Fault faults[] = {
      {[](auto& r) { r.moduleMissing = true; }, {}},
      {[](auto& r) { r.resourceMissing = true; },
       {u"Build Error: Could not find firmware resource file!"}},
      {[](auto& r) { r.loadFails = true; }, {u"Error: Could not load firmware resource file!"}},
      {[](auto& r) { r.reportedSize = 0; }, {u"Error: Firmware resource file size is 0 bytes!"}},
      {[](auto& r) { r.lockFails = true; }, {}},
  };
  // Opening this printer throws, and the text would be shown: so any open attempt is visible.
  const auto printer = bus.plug(script([](PrinterScript& s) { s.openThrows = "opened"; }));
  for (const Fault& fault : faults) {
    testing::FakeResources faulty;
    faulty.bytes = resources.bytes;
    fault.apply(faulty);
    FirmwareTransfer broken{bus, faulty, texts, messages};
    for (int attempt = 0; attempt < 2; ++attempt) {
      messages.shown.clear();
      EXPECT_EQ(broken.sendImage(bus.normalPath(printer).c_str()), 0);
      EXPECT_EQ(shownTexts(), fault.shown);
    }
    EXPECT_EQ(faulty.frees, faulty.loads);
  }
}

TEST_F(FirmwareTransferTest, TheCheckBeforeARunNamesEachResourceFaultAndShowsNothing) {
  std::u16string problem = u"stale";
  EXPECT_TRUE(transfer.firmwareImageReady(problem));
  EXPECT_TRUE(problem.empty());

  const std::u16string loadFail = u"Error: Could not load firmware resource file!";
  const std::pair<void (*)(testing::FakeResources&), std::u16string> faults[] = {
      {[](auto& r) { r.moduleMissing = true; }, loadFail},
      {[](auto& r) { r.resourceMissing = true; },
       u"Build Error: Could not find firmware resource file!"},
      {[](auto& r) { r.loadFails = true; }, loadFail},
      {[](auto& r) { r.reportedSize = 0; }, u"Error: Firmware resource file size is 0 bytes!"},
      {[](auto& r) { r.lockFails = true; }, loadFail},
  };
  for (const auto& [apply, expected] : faults) {
    testing::FakeResources faulty;
    faulty.bytes = resources.bytes;
    apply(faulty);
    FirmwareTransfer broken{bus, faulty, texts, messages};
    EXPECT_FALSE(broken.firmwareImageReady(problem));
    EXPECT_EQ(problem, expected);
    EXPECT_EQ(faulty.frees, faulty.loads);
  }
  EXPECT_TRUE(messages.shown.empty()) << "the caller decides how to tell the user";
}

TEST_F(FirmwareTransferTest, AnUnplugMidTransferStopsReleasesAndNamesThePrinterInItsOwnWords) {
  const auto printer = plugInFlashMode(
      bus, script([](PrinterScript& s) { s.unplugAfterImageBytes = 2 * kPiece + 100; }));
  int handlesWhileShown = -1;
  messages.whileShown = [&] { handlesWhileShown = bus.openHandleCount(); };
  EXPECT_EQ(transfer.sendImage(bus.flashPath(printer).c_str(), u"SALVENOR LRX5303[SN#:CN1]"), 0);
  EXPECT_EQ(shownTexts(), std::vector<std::u16string>{
                              u"Error: The printer was unplugged!\r\nSALVENOR LRX5303[SN#:CN1]"
                              u"\r\n\r\nSystem message: Input/output error"});
  EXPECT_EQ(messages.shown[0].type, ports::kPlainMessage);
  EXPECT_EQ(handlesWhileShown, 0) << "the printer is closed before the dialog opens";
  const auto image = bus.image(printer);
  EXPECT_EQ(image.writeSizes, (std::vector<std::size_t>{kPiece, kPiece}));
  EXPECT_EQ(image.rejectedWrites, 1) << "nothing is written after the failed piece";
  EXPECT_EQ(resources.frees, resources.loads);

  messages.shown.clear();
  const auto next = plugInFlashMode(bus, script());
  EXPECT_EQ(send(next), 1);
  EXPECT_EQ(bus.image(next).checksum, expectedChecksum());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FirmwareTransferTest, ExceptionsAreShownByTheirTextAndNeverEscape) {
  const auto printer =
      bus.plug(script([](PrinterScript& s) { s.openThrows = "Access is denied."; }));
  const std::u16string path = bus.normalPath(printer);
  EXPECT_EQ(transfer.sendImage(path.c_str()), 0);
  EXPECT_EQ(shownTexts(), std::vector<std::u16string>{u"Access is denied."});

  messages.whileShown = [] { throw std::runtime_error("dialog failed"); };
  EXPECT_EQ(transfer.sendImage(path.c_str()), 0);
  texts.throwText = "no language table";
  resources.resourceMissing = true;
  EXPECT_EQ(transfer.sendImage(path.c_str()), 0);
  EXPECT_EQ(messages.shown.back().text, u"no language table");
}

// A device that stalls or fails without words: the only way to see those outcomes.
class StubbornDevice final : public platform::Platform {
 public:
  platform::IoResult reply;
  int writes = 0;

  std::vector<std::u16string> printerInterfacePaths() override { return {}; }
  platform::DeviceHandle open(std::u16string_view, platform::OpenMode) override { return 5; }
  bool queryDeviceId(platform::DeviceHandle, char*, std::size_t, std::size_t&) override {
    return false;
  }
  platform::IoResult write(platform::DeviceHandle, const std::uint8_t*, std::size_t) override {
    // Ends a transfer that would keep retrying, so such a fault fails the test instead of hanging
    // it.
    if (++writes > 10) {
      return platform::IoResult{false, 0, "still retrying"};
    }
    return reply;
  }
  platform::IoResult read(platform::DeviceHandle, std::uint8_t*, std::size_t) override {
    return {};
  }
  void close(platform::DeviceHandle) override {}
  std::uint32_t tickCount() override { return 0; }
  void sleep(std::uint32_t) override {}
};

// Each way a write can fail gets the product's sentence; only a failure with words adds them.
TEST_F(FirmwareTransferTest, ADeviceThatTakesNothingStallsOrFailsIsAFailureSaidInTheProductsWords) {
  using platform::IoFailure;
  using platform::IoResult;
  const std::pair<IoResult, std::u16string> cases[] = {
      {IoResult{true, 0, {}}, u"Error: The printer did not accept the firmware data!"},
      {IoResult{}, u"Error: The printer did not accept the firmware data!"},
      {IoResult{false, 0, "Broken pipe", IoFailure::Other},
       u"Error: The printer did not accept the firmware data!\r\n\r\n"
       u"System message: Broken pipe"},
      {IoResult{false, 0, "Write stalled", IoFailure::Stalled},
       u"Error: The printer stopped answering!\r\n\r\nSystem message: Write stalled"},
      {IoResult{false, 0, "No such device", IoFailure::Gone},
       u"Error: The printer was unplugged!\r\n\r\nSystem message: No such device"},
  };
  for (const auto& [reply, expected] : cases) {
    StubbornDevice device;
    device.reply = reply;
    messages.shown.clear();
    FirmwareTransfer stalled{device, resources, texts, messages};
    EXPECT_EQ(stalled.sendImage(u"printer"), 0);
    EXPECT_EQ(device.writes, 1);
    EXPECT_EQ(shownTexts(), std::vector<std::u16string>{expected});
  }
}

}  // namespace
}  // namespace nobrix::firmware
