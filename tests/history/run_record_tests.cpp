// The record of whole simulated runs, and reading it back by serial number and time.
#include <cstdio>

#include "tests/history/history_fixture.h"
#include "workflow/printer_status.h"

namespace nobrix::testing {
namespace {

using history::RunState;
using namespace std::chrono;

TEST_F(HistoryTest, AWholeRunIsRecordedAsItGoesWithEveryPrinterAndStep) {
  TimedJournal timed(journal());
  // As the first printer's step 1 begins, before it is sent a command, the run is on the disk.
  bool checkedBeforeSwitch = false;
  timed.afterEvent = [&](std::string_view event, int) {
    if (event == "stepStarted" && !checkedBeforeSwitch) {
      checkedBeforeSwitch = true;
      const auto early = read();
      ASSERT_EQ(early.runs.size(), 1U);
      EXPECT_EQ(early.runs[0].state, RunState::kInterrupted);
      ASSERT_EQ(early.runs[0].printers.size(), 3U);
      EXPECT_EQ(early.runs[0].printers[2].statusText, "Idle mode");
    }
  };
  runThreePrinters(timed, [](platform::sim::PrinterScript& script) {
    script.ignoresFlashCommands = script.serial == "SIM0002";
  });
  ASSERT_TRUE(checkedBeforeSwitch);
  EXPECT_EQ(notRecorded, 0);

  const auto listing = read();
  ASSERT_TRUE(listing.ok) << listing.problem;
  ASSERT_EQ(listing.runs.size(), 1U);
  const history::RunRecord& run = listing.runs[0];
  EXPECT_EQ(run.state, RunState::kFinished);
  EXPECT_EQ(history::runStateName(run.state), "finished");
  EXPECT_EQ(std::tie(run.ticked, run.sent, run.updated), std::make_tuple(3, 2, 2));
  EXPECT_EQ(std::tie(run.program, run.imageSha256, run.host, run.user),
            std::make_tuple("NobrixVUZ-test", "ab12", "bench-7", "tech"));
  EXPECT_LE(run.startedAt, run.endedAt);

  struct Expected {
    const char* serial;
    int status;
    const char* key;
    const char* text;
    std::uint64_t bytes;
    std::size_t stepsReached;
  };
  const Expected expected[] = {
      {"SIM0001", workflow::kUpdateCompleted, "StrRes_StatusUpdateCompleted",
       "Firmware update: completed", kSmallImageBytes, 3},
      {"SIM0002", workflow::kFailed, "StrRes_StatusPrinterNotFound", "Error: Printer not found!", 0,
       3},
      {"SIM0003", workflow::kUpdateCompleted, "StrRes_StatusUpdateCompleted",
       "Firmware update: completed", kSmallImageBytes, 3},
  };
  ASSERT_EQ(run.printers.size(), 3U);
  for (std::size_t row = 0; row < 3; ++row) {
    const history::PrinterRecord& printer = run.printers[row];
    SCOPED_TRACE(printer.serialNumber);
    EXPECT_EQ(printer.serialNumber, expected[row].serial);
    EXPECT_EQ(printer.description, "SALVENOR LRX5303");
    EXPECT_FALSE(printer.devicePath.empty());
    EXPECT_EQ(printer.statusCode, expected[row].status);
    EXPECT_EQ(printer.statusKey, expected[row].key);
    EXPECT_EQ(printer.statusText, expected[row].text);
    EXPECT_EQ(printer.bytesAccepted, expected[row].bytes);
    std::string previous = run.startedAt;
    for (const history::StepTimes& step : printer.steps) {
      EXPECT_LE(previous, step.startedAt);
      EXPECT_LE(step.startedAt, step.endedAt);
      previous = step.endedAt;
    }
  }
  // What the window thread pays per event with the write-ahead log and synchronous=NORMAL.
  const double stepEventsMs = duration<double, std::milli>(timed.stepEventsSpent).count();
  std::printf(
      "history: %d step events, %.3f ms each on average, the longest %.3f ms; run start and end "
      "%.1f ms together\n",
      timed.events - 2, stepEventsMs / (timed.events - 2),
      duration<double, std::milli>(timed.longestStepEvent).count(),
      duration<double, std::milli>(timed.spent).count() - stepEventsMs);
}

// Three runs a day apart, written through the journal directly.
TEST(HistoryReader, ListsRunsNewestFirstFilteredBySerialAndStartTime) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("history.sqlite"));
  const sys_seconds day1 = sys_days{2026y / 12 / 1} + 9h;
  sys_seconds now = day1;
  history::RunContext context = testContext();
  context.user = QString();  // no USER in a service's environment: recorded all the same
  history::SqliteRunJournal journal(path, context, {}, [&] {
    return QDateTime::fromSecsSinceEpoch(now.time_since_epoch().count(), Qt::UTC);
  });
  const std::vector<std::vector<std::u16string>> runs = {{u"A1", u"B2"}, {u"B2"}, {u"C3", u"A1"}};
  for (const auto& serials : runs) {
    std::vector<ports::JournalPrinter> printers;
    for (const auto& serial : serials) {
      printers.push_back({serial, u"SALVENOR LRX5303", u"/dev/usb/lp0"});
    }
    journal.runStarted(printers);
    journal.runEnded({ports::RunOutcome::kFinished, static_cast<int>(serials.size()), 0, 0, {}});
    now += days{1};
  }

  struct Case {
    history::HistoryQuery query;
    std::vector<std::vector<std::string>> serialsByRun;  // newest first
  };
  const Case cases[] = {
      {{}, {{"C3", "A1"}, {"B2"}, {"A1", "B2"}}},
      {{"A1", {}, {}}, {{"A1"}, {"A1"}}},
      {{"B2", day1 + days{1}, {}}, {{"B2"}}},
      {{{}, day1, day1 + days{2}}, {{"B2"}, {"A1", "B2"}}},
      {{"Z9", {}, {}}, {}},
  };
  for (const Case& c : cases) {
    const auto listing = history::readHistory(path, c.query);
    ASSERT_TRUE(listing.ok) << listing.problem;
    std::vector<std::vector<std::string>> serialsByRun;
    for (const auto& run : listing.runs) {
      serialsByRun.emplace_back();
      for (const auto& printer : run.printers) {
        serialsByRun.back().push_back(printer.serialNumber);
      }
    }
    EXPECT_EQ(serialsByRun, c.serialsByRun) << c.query.serialNumber.value_or("any serial");
  }
  EXPECT_TRUE(history::readHistory(folder.filePath(QStringLiteral("none.sqlite"))).ok);
}

}  // namespace
}  // namespace nobrix::testing
