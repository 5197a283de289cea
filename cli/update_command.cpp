// The update command: ticks the printers asked for, presses START and judges the run by its
// result and by what each printer's row came to.
#include <QJsonArray>
#include <QJsonObject>
#include <string>

#include "cli/cli_run.h"
#include "cli/exit_codes.h"
#include "cli/printer_json.h"
#include "history/sqlite_run_journal.h"
#include "platform/text_encoding.h"
#include "workflow/printer_status.h"

namespace nobrix::cli {

int CliRun::update() {
  rig_.listPrinters();
  const Asked asked = tickAskedPrinters();
  QJsonObject report{
      {"command", "update"}, {"notListed", asked.notListed}, {"leftOut", asked.leftOut}};
  if (rig_.view.tickedCount() == 0) {
    return asked.leftOut.isEmpty() ? reportNoPrinter(report) : reportRun(report, asked);
  }
  keepHistory();
  rig_.workflow.setUpdateLock(context_.updateLock);
  rig_.workflow.startUpdate();
  noteRunEvents();
  rig_.workflow.setRunJournal(ports::noRunJournal());
  return reportRun(report, asked);
}

// --all takes every listed printer, --serial the printers that carry those serial numbers. A
// printer waiting in flash mode whose model no earlier run knew is taken only with
// --confirm-model: it cannot say which model it is.
CliRun::Asked CliRun::tickAskedPrinters() {
  Asked asked;
  const auto printers = rig_.listedPrinters();
  for (const auto& serial : options_.serials) {
    if (!rig_.view.tickSerial(platform::fromUtf8(serial))) {
      asked.notListed.append(QString::fromStdString(serial));
      console_.message("No supported printer with serial number " + serial + " is attached.");
    }
  }
  for (int entry = 0; entry < static_cast<int>(printers.size()); ++entry) {
    const bool wanted = options_.all || rig_.view.isPrinterChecklistEntryTicked(entry);
    rig_.view.setTicked(entry, wanted && mayBeTicked(printers[entry], asked.leftOut));
  }
  return asked;
}

bool CliRun::mayBeTicked(const workflow::headless::ListedPrinter& printer, QJsonArray& leftOut) {
  if (!printer.inFlashMode || printer.modelKnown || options_.confirmModel) {
    return true;
  }
  leftOut.append(printerJson(printer, "model-unknown"));
  console_.message("The printer with serial number " + oneLine(printer.serial) +
                   " is in flash mode and does not report its model; it was left out. If it is "
                   "a " +
                   build::kProductName.data() + ", run again with --confirm-model.");
  return false;
}

int CliRun::reportNoPrinter(QJsonObject report) {
  for (const auto& line : rig_.view.diagnosis()) {
    console_.message(oneLine(line));
  }
  console_.message(oneLine(text(workflow::keys::kConnectPrinter)));
  report["result"] = "no-printer";
  if (options_.json) {
    printJson(report);
  }
  return kExitNoPrinter;
}

// The run is recorded as it goes; a history that cannot be written is said once and the run
// goes on.
void CliRun::keepHistory() {
  if (context_.historyFile.isEmpty()) {
    return;
  }
  auto journal = std::make_unique<history::SqliteRunJournal>(
      context_.historyFile, history::describeRun(context_.program, context_.resources),
      [this] { console_.message(oneLine(text("StrRes_HistoryNotRecorded"))); });
  journal->setNotices(
      [this](const QString& line) { console_.message("history: " + line.toStdString()); });
  journal_ = std::move(journal);
  rig_.workflow.setRunJournal(*journal_);
}

// A hang-up or a reader that went away ends nothing, but the record says that it happened.
void CliRun::noteRunEvents() {
  if (stop_.hungUp() && !hangUpNoted_) {
    hangUpNoted_ = true;
    if (journal_) {
      journal_->runEvent(ports::RunEvent::kHangUp);
    }
  }
  if (console_.outputClosed() && !closedOutputNoted_) {
    closedOutputNoted_ = true;
    if (journal_) {
      journal_->runEvent(ports::RunEvent::kOutputClosed);
    }
  }
}

int CliRun::reportRun(QJsonObject report, const Asked& asked) {
  const auto result = messages_.result();
  const workflow::StartRefusal refusal = rig_.workflow.lastRefusal();
  const auto rows = rig_.finalRows();
  const bool stopped = stop_.wasRequested();
  const bool allUpdated = result && result->updated == result->total && asked.notListed.isEmpty() &&
                          asked.leftOut.isEmpty();
  if (stopped) {
    sayHowTheStopLeftThem(rows);
  }
  if (!rig_.workflow.lockProblem().empty()) {
    console_.message("The update lock could not be used: " + rig_.workflow.lockProblem());
  }
  int exitCode = exitCodeOf(refusal, rig_.workflow.runFinished(), stopped, allUpdated);
  if (exitCode == kExitAllUpdated && !historyKept()) {
    exitCode = kExitHistoryNotKept;
  }
  report["result"] = resultName(exitCode);
  report["stopped"] = stopped;
  report["total"] = result ? result->total : 0;
  report["updated"] = result ? result->updated : 0;
  report["printers"] = rowsJson(rows);
  report["messages"] = linesJson(messages_.shown());
  if (options_.json) {
    printJson(report);
  }
  return exitCode;
}

// Kept in full, or completed at its end from what the run kept in memory; without a history file
// there is nothing to keep.
bool CliRun::historyKept() const {
  using Kept = history::SqliteRunJournal::Kept;
  if (!journal_) {
    return true;
  }
  const Kept kept = static_cast<const history::SqliteRunJournal&>(*journal_).kept();
  return kept == Kept::kWhole || kept == Kept::kCompletedAtEnd;
}

void CliRun::sayHowTheStopLeftThem(const std::vector<workflow::headless::FinalRow>& rows) {
  int untouched = 0;
  int waiting = 0;
  int updated = 0;
  for (const auto& row : rows) {
    untouched += row.status == workflow::kStopped ? 1 : 0;
    waiting += row.status == workflow::kStoppedInFlashMode ? 1 : 0;
    updated += row.status == workflow::kUpdateCompleted ? 1 : 0;
  }
  console_.message("Stopped: " + std::to_string(untouched) + " printer(s) not touched, " +
                   std::to_string(waiting) +
                   " left in flash mode waiting for the firmware (finish them with this program, "
                   "or switch them off and on), " +
                   std::to_string(updated) + " updated.");
}

}  // namespace nobrix::cli
