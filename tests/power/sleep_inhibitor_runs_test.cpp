// The logind inhibitor through whole runs on the simulated bus: the lock is asked for at START,
// before the first printer is switched, and closed before the run's last dialog on every way
// out; without logind or a bus the run goes on and the diagnostics say so once.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "l10n/language_state.h"
#include "power/logind_sleep_inhibitor.h"
#include "tests/cli/cli_harness.h"
#include "tests/power/fake_logind.h"
#include "tests/power/private_bus.h"
#include "tests/support/workflow_rig.h"

namespace nobrix::power::testing {
namespace {

using nobrix::testing::RecordedMessage;
using nobrix::testing::RigOptions;
using nobrix::testing::WorkflowRig;

// Long enough for the fake's own copies of the lock to be dropped after it has answered.
constexpr int kReleaseWaitMs = 2000;

class SleepInhibitorRuns : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start"; }

  void TearDown() override {
    logind.reset();
    rig.reset();
    inhibitor.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("logind"));
    QDBusConnection::disconnectFromBus(QStringLiteral("program"));
  }

  void makeRig(QDBusConnection programBus) {
    inhibitor = std::make_unique<LogindSleepInhibitor>(
        std::move(programBus), [this](const QString& line) { diagnostics.push_back(line); });
    RigOptions options;
    options.sleepInhibitor = inhibitor.get();
    rig = std::make_unique<WorkflowRig>(texts, options);
  }
  void makeRigWithLogind() {
    logind = std::make_unique<FakeLogind>(bus.connect(QStringLiteral("logind")));
    makeRig(bus.connect(QStringLiteral("program")));
  }

  // What the fake saw when the first printer was about to be switched and as each dialog opened
  // (waiting for the release only at a dialog of the type that ends the run).
  struct Seen {
    std::size_t callsAtFirstSwitch = 0;
    bool heldAtFirstSwitch = false;
    std::vector<bool> releasedAtDialog;
  };
  void watchRun(Seen& seen, std::int32_t lastDialogType) {
    rig->view.onStatusRow = [this, &seen](int, const std::u16string&) {
      if (seen.callsAtFirstSwitch == 0) {
        seen.callsAtFirstSwitch = logind->calls().size();
        seen.heldAtFirstSwitch = !logind->lockReleased(0, 0);
      }
    };
    rig->messages.onShow = [this, &seen, lastDialogType](const RecordedMessage& message) {
      const int waitMs = message.type == lastDialogType ? kReleaseWaitMs : 0;
      seen.releasedAtDialog.push_back(logind->lockReleased(0, waitMs));
    };
  }

  l10n::LanguageState texts{l10n::kEnglish};
  PrivateBus bus;
  std::unique_ptr<FakeLogind> logind;
  std::unique_ptr<LogindSleepInhibitor> inhibitor;
  std::unique_ptr<WorkflowRig> rig;
  std::vector<QString> diagnostics;
};

// Plugs one printer, lists it and arms its fault; the run ends with a dialog of the given type.
struct RunCase {
  const char* name;
  void (*setUp)(WorkflowRig& rig);
  std::int32_t lastDialogType;
};

const RunCase kRunCases[] = {
    {"AllUpdated",
     [](WorkflowRig& rig) {
       rig.plug("AWAKE1");
       rig.listPrinters();
     },
     ports::kResultMessage},
    // Unplugged halfway through the image: step 2 fails for it and the run ends with the result.
    {"PrinterLostInStepTwo",
     [](WorkflowRig& rig) {
       auto script = rig.printerScript("AWAKE2");
       script.unplugAfterImageBytes = rig.imageBytes() / 2;
       rig.plug(script);
       rig.listPrinters();
     },
     ports::kResultMessage},
    // An error thrown in step 1 ends the run without a result, with the error's own text.
    {"ErrorEndsTheRunInStepOne",
     [](WorkflowRig& rig) {
       const auto printer = rig.plug("AWAKE3");
       rig.listPrinters();
       rig.platform.throwOnOpen(rig.bus.normalPath(printer), "Access is denied.");
     },
     ports::kPlainMessage},
};

class SleepInhibitorRunEnds : public SleepInhibitorRuns,
                              public ::testing::WithParamInterface<RunCase> {};

TEST_P(SleepInhibitorRunEnds, HoldsTheLockFromStartUntilTheLastDialog) {
  makeRigWithLogind();
  GetParam().setUp(*rig);
  Seen seen;
  watchRun(seen, GetParam().lastDialogType);
  rig->startWith({0});

  const auto shown = rig->messages.messages();
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back().type, GetParam().lastDialogType);
  EXPECT_EQ(seen.callsAtFirstSwitch, 1U);
  EXPECT_TRUE(seen.heldAtFirstSwitch);
  // Dialogs during the run (a printer's own failure) leave the lock held.
  std::vector<bool> expected(shown.size(), false);
  expected.back() = true;
  EXPECT_EQ(seen.releasedAtDialog, expected);
  const auto calls = logind->calls();
  ASSERT_EQ(calls.size(), 1U);
  EXPECT_EQ(calls[0].what, QStringLiteral("sleep:idle"));
  EXPECT_EQ(calls[0].who, QStringLiteral("NobrixVUZ"));
  EXPECT_EQ(calls[0].why, QStringLiteral("Printer firmware is being updated"));
  EXPECT_EQ(calls[0].mode, QStringLiteral("block"));
  EXPECT_TRUE(diagnostics.empty());
}

INSTANTIATE_TEST_SUITE_P(, SleepInhibitorRunEnds, ::testing::ValuesIn(kRunCases),
                         [](const ::testing::TestParamInfo<RunCase>& run) {
                           return std::string(run.param.name);
                         });

TEST_F(SleepInhibitorRuns, ARefusedStartTakesNoLock) {
  makeRigWithLogind();
  rig->plug("AWAKE4");
  rig->listPrinters();
  rig->startWith({});

  ASSERT_EQ(rig->messages.messages().size(), 1U);
  EXPECT_TRUE(logind->calls().empty());
}

// Without logind on the bus, or without a bus at all, the run goes on and one line says why.
TEST_F(SleepInhibitorRuns, WithoutLogindOrBusTheRunGoesOnAndSaysSoOnce) {
  const QDBusConnection buses[] = {
      bus.connect(QStringLiteral("program")),
      QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                    QStringLiteral("nowhere")),
  };
  for (const QDBusConnection& programBus : buses) {
    SCOPED_TRACE(programBus.name().toStdString());
    diagnostics.clear();
    makeRig(programBus);
    rig->plug("AWAKE5");
    rig->listPrinters();
    rig->startWith({0});

    const auto results = rig->messages.messagesOfType(ports::kResultMessage);
    ASSERT_EQ(results.size(), 1U);
    EXPECT_EQ(results[0].updated, 1);
    EXPECT_EQ(inhibitor->inhibit(u"again"), nullptr);
    ASSERT_EQ(diagnostics.size(), 1U);
    EXPECT_THAT(diagnostics[0].toStdString(),
                ::testing::HasSubstr("could not keep the system from sleeping"));
  }
  QDBusConnection::disconnectFromBus(QStringLiteral("nowhere"));
}

// The command-line program holds the same lock, from before the first switch to the end of its run.
TEST_F(SleepInhibitorRuns, TheCommandLineProgramHoldsTheLockThroughItsRun) {
  logind = std::make_unique<FakeLogind>(bus.connect(QStringLiteral("logind")));
  inhibitor = std::make_unique<LogindSleepInhibitor>(
      bus.connect(QStringLiteral("program")),
      [this](const QString& line) { diagnostics.push_back(line); });
  nobrix::testing::ImageResources resources(nobrix::testing::kCliImageBytes);
  auto printers = nobrix::testing::scenarioBus("default", resources);
  const auto outcome =
      nobrix::testing::runCliOn(*printers, *printers, resources, {"update", "--all"},
                                nobrix::testing::CliRunSettings{.sleepInhibitor = inhibitor.get()});

  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  ASSERT_EQ(logind->calls().size(), 1U);
  EXPECT_EQ(logind->calls()[0].what, QStringLiteral("sleep:idle"));
  EXPECT_TRUE(logind->lockReleased(0, kReleaseWaitMs));
  EXPECT_TRUE(diagnostics.empty());
}

}  // namespace
}  // namespace nobrix::power::testing
