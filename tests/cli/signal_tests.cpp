// Stop requests during a send, delivered to the process as a user's Ctrl-C or a service manager's
// stop would be (on Windows the console's Ctrl+C and Ctrl+Break): the image being written is
// finished and no further printer is started. On Linux also a dropped SSH session (SIGHUP) and a
// reader of standard output that goes away, which end nothing.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <atomic>
#include <functional>

#include "cli/stop_signals.h"
#include "firmware/firmware_transfer.h"
#include "tests/cli/cli_harness.h"
#include "tests/cli/stop_requests.h"
#include "tests/support/forwarding_platform.h"

#ifndef _WIN32
#include <signal.h>
#include <unistd.h>
#endif

namespace nobrix::testing {
namespace {

// Does `first` on the first image piece written and `second` on the third, from the send worker,
// while the image is on its way.
class SignallingPlatform final : public ForwardingPlatform {
 public:
  SignallingPlatform(platform::Platform& inner, std::function<void()> first,
                     std::function<void()> second)
      : ForwardingPlatform(inner), first_(std::move(first)), second_(std::move(second)) {}

  platform::IoResult write(platform::DeviceHandle handle, const std::uint8_t* data,
                           std::size_t size) override {
    if (size == firmware::FirmwareTransfer::kPieceBytes) {
      const int piece = ++pieces_;
      if (piece == 1) {
        first_();
      } else if (piece == 3) {
        second_();
      }
    }
    return ForwardingPlatform::write(handle, data, size);
  }

 private:
  std::function<void()> first_;
  std::function<void()> second_;
  std::atomic<int> pieces_{0};
};

// Made before the test's stop requests: on Windows their witness must come after the program's
// console handler, and on Linux the run's threads inherit the signals blocked here.
struct SignalledRun {
  cli::StopSignals stopSignals;
  ImageResources resources{kCliImageBytes};
  std::unique_ptr<platform::sim::SimBus> bus = scenarioBus("default", resources);
  CliOutcome run(std::function<void()> first, std::function<void()> second,
                 CliRunSettings settings = {}) {
    SignallingPlatform platform(*bus, std::move(first), std::move(second));
    settings.takeSignals = [this] { return stopSignals.take(); };
    return runCliOn(platform, *bus, resources, {"update", "--all", "--json", "--lang", "en"},
                    settings);
  }
  // The supported printers, in the scenario's order (the second plug is of another model).
  std::vector<platform::sim::PrinterId> supported() const {
    const auto ids = bus->printers();
    return {ids[0], ids[2], ids[3]};
  }
};

TEST(Signals, AStopDuringASendFinishesItAndSaysWhatItLeftOfEachPrinter) {
  SignalledRun run;
  StopRequests stops;
  const CliOutcome outcome =
      run.run([&stops] { stops.interrupt(); }, [&stops] { stops.terminate(); });

  EXPECT_EQ(outcome.exitCode, 5);
  const QJsonObject json = outcome.json();
  EXPECT_EQ(json["result"].toString(), "stopped");
  EXPECT_TRUE(json["stopped"].toBool());
  EXPECT_EQ(json["updated"].toInt(), 1);
  const QJsonArray printers = json["printers"].toArray();
  ASSERT_EQ(printers.size(), 3);
  EXPECT_EQ(printers[0].toObject()["status"].toString(), "updated");
  // Switched in step 1 before the stop: they wait in flash mode for the next run.
  for (const int row : {1, 2}) {
    EXPECT_EQ(printers[row].toObject()["status"].toString(), "stopped-in-flash-mode");
  }
  const auto ids = run.supported();
  EXPECT_EQ(run.bus->image(ids[0]).bytes, kCliImageBytes);
  EXPECT_EQ(run.bus->image(ids[0]).checksum, run.resources.checksum());
  for (const auto id : {ids[1], ids[2]}) {
    EXPECT_EQ(run.bus->image(id).bytes, 0U);
    EXPECT_EQ(run.bus->phase(id), platform::sim::PrinterPhase::FlashMode);
  }
  EXPECT_NE(outcome.err.find("Stop requested"), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find("Already stopping"), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find("Stopped: 0 printer(s) not touched, 2 left in flash mode"),
            std::string::npos)
      << outcome.err;

  // The next run lists them as waiting and finishes them (the model is confirmed on the command
  // line: nothing recorded them here).
  ImageResources& resources = run.resources;
  const CliOutcome next =
      runCliOn(*run.bus, *run.bus, resources,
               {"update", "--all", "--confirm-model", "--json", "--lang", "en"});
  EXPECT_EQ(next.exitCode, 0) << next.err;
  for (const auto id : {ids[1], ids[2]}) {
    EXPECT_EQ(run.bus->image(id).bytes, kCliImageBytes);
    EXPECT_EQ(run.bus->image(id).checksum, resources.checksum());
  }
}

#ifndef _WIN32
// Standard output of a run piped into a reader that has gone away (`... | head -1`): every write
// fails with EPIPE, and SIGPIPE would end the process where it is not ignored.
std::FILE* pipeWithoutReader() {
  int ends[2];
  if (pipe(ends) != 0) {
    return nullptr;
  }
  close(ends[0]);
  return fdopen(ends[1], "w");
}

// A dropped SSH session (SIGHUP) or a reader that goes away mid-send: every printer is still
// updated, and the program lives to report it.
TEST(Signals, AHangUpOrAClosedOutputEndsNothing) {
  const auto hangUp = [] { kill(getpid(), SIGHUP); };
  for (const bool closedOutput : {false, true}) {
    SignalledRun run;
    std::FILE* closed = closedOutput ? pipeWithoutReader() : nullptr;
    const CliOutcome outcome = run.run(hangUp, hangUp, CliRunSettings{.out = closed});
    if (closed != nullptr) {
      std::fclose(closed);
    }
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    for (const auto id : run.supported()) {
      EXPECT_EQ(run.bus->image(id).checksum, run.resources.checksum()) << id;
      EXPECT_EQ(run.bus->phase(id), platform::sim::PrinterPhase::Finished) << id;
    }
    if (!closedOutput) {
      EXPECT_EQ(outcome.json()["result"].toString(), "updated");
    }
  }
}
#endif

}  // namespace
}  // namespace nobrix::testing
