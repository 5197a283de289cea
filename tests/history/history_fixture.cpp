// Shared set-up of the history tests.
#include "tests/history/history_fixture.h"

#include <algorithm>

namespace nobrix::testing {

history::RunContext testContext() {
  return {QStringLiteral("NobrixVUZ-test"),
          QStringLiteral("1.0.0"),
          QStringLiteral("image.fhx"),
          kSmallImageBytes,
          QStringLiteral("ab12"),
          QStringLiteral("bench-7"),
          QStringLiteral("tech")};
}

template <typename Event>
void TimedJournal::timed(std::string_view name, int row, Event event) {
  if (beforeEvent) {
    beforeEvent(name, row);
  }
  const auto start = std::chrono::steady_clock::now();
  event();
  const auto took = std::chrono::steady_clock::now() - start;
  spent += took;
  if (row >= 0) {
    stepEventsSpent += took;
    longestStepEvent = std::max<std::chrono::nanoseconds>(longestStepEvent, took);
  }
  if (afterEvent) {
    afterEvent(name, row);
  }
  ++events;
}

void TimedJournal::runStarted(const std::vector<ports::JournalPrinter>& printers) {
  timed("runStarted", -1, [&] { inner_.runStarted(printers); });
}
void TimedJournal::stepStarted(int row, int step) {
  timed("stepStarted", row, [&] { inner_.stepStarted(row, step); });
}
void TimedJournal::statusChanged(int row, std::int32_t status, std::string_view textKey,
                                 std::u16string_view rowText) {
  timed("statusChanged", row, [&] { inner_.statusChanged(row, status, textKey, rowText); });
}
void TimedJournal::bytesAccepted(int row, std::uint64_t bytes) {
  timed("bytesAccepted", row, [&] { inner_.bytesAccepted(row, bytes); });
}
void TimedJournal::stepEnded(int row, int step) {
  timed("stepEnded", row, [&] { inner_.stepEnded(row, step); });
}
void TimedJournal::runEvent(ports::RunEvent event) {
  timed("runEvent", -1, [&] { inner_.runEvent(event); });
}
void TimedJournal::runEnded(const ports::RunResult& result) {
  timed("runEnded", -1, [&] { inner_.runEnded(result); });
}

history::SqliteRunJournal& HistoryTest::journal() {
  if (!journal_) {
    journal_ = std::make_unique<history::SqliteRunJournal>(path(), testContext(),
                                                           [this] { ++notRecorded; });
  }
  return *journal_;
}

void HistoryTest::runThreePrinters(
    ports::RunJournal& runJournal,
    const std::function<void(platform::sim::PrinterScript&)>& tweak) {
  rig = std::make_unique<WorkflowRig>(texts);
  for (const char* serial : {"SIM0001", "SIM0002", "SIM0003"}) {
    platform::sim::PrinterScript script = rig->printerScript(serial);
    if (tweak) {
      tweak(script);
    }
    rig->plug(script);
  }
  rig->listPrinters();
  rig->workflow.setRunJournal(runJournal);
  rig->startWith({0, 1, 2});
}

bool HistoryTest::runWentAsWithoutHistory() const {
  const auto& messages = rig->messages.messages();
  return messages.size() == 1 && messages[0].type == ports::kResultMessage &&
         messages[0].total == 3 && messages[0].updated == 3;
}

}  // namespace nobrix::testing
