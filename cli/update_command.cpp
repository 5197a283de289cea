// The update command: ticks the printers asked for, presses START and judges the run by its
// result, which the workflow reports as the window's result dialog.
#include <QJsonArray>
#include <QJsonObject>
#include <string>

#include "cli/cli_run.h"
#include "cli/exit_codes.h"
#include "history/sqlite_run_journal.h"
#include "platform/text_encoding.h"
#include "workflow/printer_status.h"

namespace nobrix::cli {

namespace {

const char* statusName(std::int32_t status) {
  using namespace workflow;
  switch (status) {
    case kInIdleMode:
      return "idle";
    case kSettingFlashMode:
      return "setting-flash-mode";
    case kInFlashMode:
      return "in-flash-mode";
    case kSendingFirmware:
      return "sending";
    case kStoringAndUpdating:
      return "storing-and-updating";
    case kUpdateCompleted:
      return "updated";
    case kFailed:
      return "failed";
    case kStopped:
      return "stopped";
    default:
      return "not-taking-part";
  }
}

QString qText(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QJsonArray jsonLines(const std::vector<std::string>& lines) {
  QJsonArray array;
  for (const auto& line : lines) {
    array.append(QString::fromStdString(line));
  }
  return array;
}

}  // namespace

int CliRun::update() {
  rig_.listPrinters();
  QJsonArray notListed;
  if (options_.all) {
    rig_.view.tickAll();
  }
  bool everyAskedListed = true;
  for (const auto& serial : options_.serials) {
    if (!rig_.view.tickSerial(platform::fromUtf8(serial))) {
      everyAskedListed = false;
      notListed.append(QString::fromStdString(serial));
      console_.message("No supported printer with serial number " + serial + " is attached.");
    }
  }
  bool anyTicked = false;
  for (int entry = 0; entry < rig_.view.printerChecklistCount(); ++entry) {
    anyTicked = anyTicked || rig_.view.isPrinterChecklistEntryTicked(entry);
  }
  QJsonObject report{{"command", "update"}, {"notListed", notListed}};
  if (!anyTicked) {
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
  std::unique_ptr<history::SqliteRunJournal> journal;
  if (!context_.historyFile.isEmpty()) {
    journal = std::make_unique<history::SqliteRunJournal>(
        context_.historyFile, history::describeRun(context_.program, context_.resources),
        [this] { console_.message(oneLine(text("StrRes_HistoryNotRecorded"))); });
    rig_.workflow.setRunJournal(*journal);
  }
  rig_.workflow.startUpdate();
  rig_.workflow.setRunJournal(ports::noRunJournal());

  const auto result = messages_.result();
  const bool refused = !rig_.workflow.runFinished();
  const bool allUpdated = result && result->updated == result->total && everyAskedListed;
  QJsonArray printers;
  int notStarted = 0;
  for (const auto& row : rig_.finalRows()) {
    notStarted += row.status == workflow::kStopped ? 1 : 0;
    printers.append(QJsonObject{{"serial", qText(row.serial)},
                                {"status", statusName(row.status)},
                                {"statusCode", row.status},
                                {"text", qText(row.text)}});
  }
  if (stop_.wasRequested()) {
    console_.message("Stopped by a signal: " + std::to_string(notStarted) +
                     " printer(s) were not started and are not updated.");
  }
  report["result"] = refused ? "refused" : allUpdated ? "updated" : "not-updated";
  report["stopped"] = stop_.wasRequested();
  report["total"] = result ? result->total : 0;
  report["updated"] = result ? result->updated : 0;
  report["printers"] = printers;
  report["messages"] = jsonLines(messages_.shown());
  if (options_.json) {
    printJson(report);
  }
  if (refused) {
    return kExitRefused;
  }
  return allUpdated ? kExitAllUpdated : kExitSomeNotUpdated;
}

}  // namespace nobrix::cli
