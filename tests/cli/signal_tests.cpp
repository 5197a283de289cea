// SIGINT and SIGTERM during a send (on Windows the console's Ctrl+C and Ctrl+Break), delivered to
// the process as a user's Ctrl-C or a service manager's stop would be: the image being written is
// finished, no further printer is started.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <atomic>

#include "cli/stop_signals.h"
#include "firmware/firmware_transfer.h"
#include "tests/cli/cli_harness.h"
#include "tests/cli/stop_requests.h"
#include "tests/support/forwarding_platform.h"

namespace nobrix::testing {
namespace {

// Asks the process to stop on the first image piece written and again on the third, from the
// send worker, while the image is on its way.
class SignallingPlatform final : public ForwardingPlatform {
 public:
  SignallingPlatform(platform::Platform& inner, StopRequests& stops)
      : ForwardingPlatform(inner), stops_(stops) {}

  platform::IoResult write(platform::DeviceHandle handle, const std::uint8_t* data,
                           std::size_t size) override {
    if (size == firmware::FirmwareTransfer::kPieceBytes) {
      const int piece = ++pieces_;
      if (piece == 1) {
        stops_.interrupt();
      } else if (piece == 3) {
        stops_.terminate();
      }
    }
    return ForwardingPlatform::write(handle, data, size);
  }

 private:
  StopRequests& stops_;
  std::atomic<int> pieces_{0};
};

TEST(Signals, SignalsDuringASendFinishItAndStartNoOtherPrinter) {
  cli::StopSignals stopSignals;  // before the run's threads, which inherit the blocked signals
  StopRequests stops;
  ImageResources resources(kCliImageBytes);
  auto bus = scenarioBus("default", resources);
  SignallingPlatform platform(*bus, stops);
  const CliOutcome outcome =
      runCliOn(platform, *bus, resources, {"update", "--all", "--json", "--lang", "en"},
               CliRunSettings{.takeSignals = [&stopSignals] { return stopSignals.take(); }});

  EXPECT_EQ(outcome.exitCode, 1);
  const QJsonObject json = outcome.json();
  EXPECT_TRUE(json["stopped"].toBool());
  EXPECT_EQ(json["updated"].toInt(), 1);
  const QJsonArray printers = json["printers"].toArray();
  ASSERT_EQ(printers.size(), 3);
  EXPECT_EQ(printers[0].toObject()["status"].toString(), "updated");
  for (const int row : {1, 2}) {
    EXPECT_EQ(printers[row].toObject()["status"].toString(), "stopped");
    EXPECT_EQ(printers[row].toObject()["text"].toString(), "Stopped: not updated");
  }
  // The first supported printer got every byte; no other printer got any.
  const auto ids = bus->printers();
  ASSERT_GE(ids.size(), 4U);
  EXPECT_EQ(bus->image(ids[0]).bytes, kCliImageBytes);
  EXPECT_EQ(bus->image(ids[0]).checksum, resources.checksum());
  for (std::size_t i = 1; i < ids.size(); ++i) {
    EXPECT_EQ(bus->image(ids[i]).bytes, 0U) << i;
  }
  EXPECT_NE(outcome.err.find("Stop requested"), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find("Already stopping"), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find("2 printer(s) were not started"), std::string::npos) << outcome.err;
}

}  // namespace
}  // namespace nobrix::testing
