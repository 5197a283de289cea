// Shared set-up of the history tests: a private folder for the file, the English tables, a
// journal with a fixed description of the program, and whole runs on the simulated bus.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "history/history_reader.h"
#include "history/sqlite_run_journal.h"
#include "l10n/language_state.h"
#include "ports/run_journal.h"
#include "tests/support/workflow_rig.h"

namespace nobrix::testing {

// The product the history tests' printers are recorded as.
constexpr std::u16string_view kHistoryProduct = u"SALVENOR LRX5303";

history::RunContext testContext();

// Passes every event on, adds up the time the journal behind it took, and lets a test act
// right before and right after each event.
class TimedJournal final : public ports::RunJournal {
 public:
  explicit TimedJournal(ports::RunJournal& inner) : inner_(inner) {}

  std::function<void(std::string_view event, int row)> beforeEvent;
  std::function<void(std::string_view event, int row)> afterEvent;
  std::chrono::nanoseconds spent{0};
  std::chrono::nanoseconds stepEventsSpent{0};  // the events between run start and end
  std::chrono::nanoseconds longestStepEvent{0};
  int events = 0;

  void runStarted(const std::vector<ports::JournalPrinter>& printers) override;
  void stepStarted(int row, int step) override;
  void statusChanged(int row, std::int32_t status, std::string_view textKey,
                     std::u16string_view rowText) override;
  void bytesAccepted(int row, std::uint64_t bytes) override;
  void stepEnded(int row, int step) override;
  void runEvent(ports::RunEvent event) override;
  void runEnded(const ports::RunResult& result) override;

 private:
  template <typename Event>
  void timed(std::string_view name, int row, Event event);

  ports::RunJournal& inner_;
};

class HistoryTest : public ::testing::Test {
 protected:
  QString path() const { return folder.filePath(QStringLiteral("history.sqlite")); }
  history::SqliteRunJournal& journal();
  history::HistoryListing read(const history::HistoryQuery& query = {}) const {
    return history::readHistory(path(), query);
  }
  // SIM0001, SIM0002 and SIM0003, all ticked; `tweak` changes a printer's script by serial.
  void runThreePrinters(ports::RunJournal& runJournal,
                        const std::function<void(platform::sim::PrinterScript&)>& tweak = {});
  // The run ended with "all updated" and no other message: nothing the history did showed.
  bool runWentAsWithoutHistory() const;

  QTemporaryDir folder;
  l10n::LanguageState texts{l10n::kEnglish};
  std::unique_ptr<WorkflowRig> rig;
  int notRecorded = 0;

 private:
  std::unique_ptr<history::SqliteRunJournal> journal_;
};

}  // namespace nobrix::testing
