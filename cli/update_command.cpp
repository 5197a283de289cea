// The update command: ticks the printers asked for, presses START and judges the run by its
// result and by what each printer's row came to.
#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <string>

#include "cli/cli_run.h"
#include "cli/cli_texts.h"
#include "cli/exit_codes.h"
#include "cli/json_documents.h"
#include "cli/printer_json.h"
#include "history/sqlite_run_journal.h"
#include "nobrix/build_constants.h"
#include "platform/text_encoding.h"
#include "workflow/printer_status.h"

namespace nobrix::cli {

// The lock comes before the listing: a run started a moment earlier may have its printers off
// the bus while they switch, and this one is refused rather than finding none.
int CliRun::update() {
  QJsonObject report = emptyDocument("update");
  rig_.workflow.setUpdateLock(context_.updateLock);
  if (!rig_.workflow.takeUpdateLockEarly()) {
    return reportRun(report, {});
  }
  rig_.listPrinters();
  const Asked asked = tickAskedPrinters();
  report["notListed"] = asked.notListed;
  report["leftOut"] = asked.leftOut;
  report["unusable"] = asked.unusable;
  if (rig_.view.tickedCount() == 0) {
    rig_.workflow.releaseUpdateLock();
    const bool nothingFound = asked.leftOut.isEmpty() && asked.unusable.isEmpty();
    return nothingFound ? reportNoPrinter(report) : reportRun(report, asked);
  }
  keepHistory();
  rig_.workflow.startUpdate();
  noteRunEvents();
  rig_.workflow.setRunJournal(ports::noRunJournal());
  return reportRun(report, asked);
}

// --all takes every listed printer, --serial the printers that carry those serial numbers. A
// printer waiting in flash mode whose model no earlier run knew is taken only with
// --confirm-model: it cannot say which model it is. A printer of the product that is attached
// but cannot be used is one not updated.
CliRun::Asked CliRun::tickAskedPrinters() {
  Asked asked;
  const auto unusable = unusablePrinters();
  for (const auto& serial : options_.serials) {
    if (!rig_.view.tickSerial(platform::fromUtf8(serial))) {
      noteNotTicked(serial, unusable, asked);
    }
  }
  if (options_.all) {
    for (const auto& printer : unusable) {
      noteUnusable(printer, asked);
    }
  }
  const auto printers = rig_.listedPrinters();
  for (int entry = 0; entry < static_cast<int>(printers.size()); ++entry) {
    const bool wanted = options_.all || rig_.view.isPrinterChecklistEntryTicked(entry);
    rig_.view.setTicked(entry, wanted && mayBeTicked(printers[entry], asked.leftOut));
  }
  return asked;
}

void CliRun::noteNotTicked(const std::string& serial, const std::vector<UnusablePrinter>& unusable,
                           Asked& asked) {
  const std::u16string wide = platform::fromUtf8(serial);
  const auto found = std::find_if(unusable.begin(), unusable.end(),
                                  [&wide](const UnusablePrinter& p) { return p.serial == wide; });
  if (found != unusable.end()) {
    noteUnusable(*found, asked);
    return;
  }
  asked.notListed.append(QString::fromStdString(serial));
  console_.message(say(keys::kSerialNotAttached, {wide}));
}

void CliRun::noteUnusable(const UnusablePrinter& printer, Asked& asked) {
  asked.unusable.append(printer.json);
  console_.message(oneLine(printer.text));
}

bool CliRun::mayBeTicked(const workflow::headless::ListedPrinter& printer, QJsonArray& leftOut) {
  if (!printer.inFlashMode || printer.modelKnown || options_.confirmModel) {
    return true;
  }
  leftOut.append(printerJson(printer, "model-unknown"));
  console_.message(
      say(keys::kLeftOutUnknownModel, {printer.serial, build::kProductNameWide.view()}));
  return false;
}

int CliRun::reportNoPrinter(QJsonObject report) {
  for (const auto& line : rig_.view.diagnosis()) {
    console_.message(oneLine(line));
  }
  const std::string connect = oneLine(text(workflow::keys::kConnectPrinter));
  console_.message(connect);
  report["result"] = resultName(kExitNoPrinter);
  report["error"] = errorFor(kExitNoPrinter, connect);
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
  const auto rows = rig_.finalRows();
  const bool stopped = stop_.wasRequested();
  if (stopped) {
    sayHowTheStopLeftThem(rows);
  }
  if (!rig_.workflow.lockProblem().empty()) {
    console_.message(say(keys::kLockUnusable, {platform::fromUtf8(rig_.workflow.lockProblem())}));
  }
  const bool allUpdated = result && result->updated == result->total && asked.complete();
  const int exitCode = runExitCode(stopped, allUpdated);
  const auto shown = messages_.shown();
  report["result"] = resultName(exitCode);
  report["error"] = errorFor(exitCode, shown.empty() ? resultName(exitCode) : shown.back());
  report["stopped"] = stopped;
  report["total"] = result ? result->total : 0;
  report["updated"] = result ? result->updated : 0;
  report["printers"] = rowsJson(rows);
  report["messages"] = linesJson(shown);
  if (options_.json) {
    printJson(report);
  }
  return exitCode;
}

int CliRun::runExitCode(bool stopped, bool allUpdated) const {
  const int exitCode =
      exitCodeOf(rig_.workflow.lastRefusal(), rig_.workflow.runFinished(), stopped, allUpdated);
  return exitCode == kExitAllUpdated && !historyKept() ? kExitHistoryNotKept : exitCode;
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
  const auto count = [](int n) { return platform::fromUtf8(std::to_string(n)); };
  console_.message(say(keys::kStoppedSummary, {count(untouched), count(waiting), count(updated)}));
}

}  // namespace nobrix::cli
