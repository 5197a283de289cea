// The START request: refuses when there is nothing to update, otherwise prepares the progress
// page and drives the three steps over all ticked printers, ending with one result dialog.
#include <algorithm>
#include <string>
#include <vector>

#include "device/printer_records.h"
#include "platform/text_encoding.h"
#include "workflow/flash_timing.h"
#include "workflow/printer_status.h"
#include "workflow/update_workflow.h"

namespace nobrix::workflow {

void UpdateWorkflow::startUpdate() {
  // A run is once per program start; START is out of reach after it, and stays refused here.
  if (runInProgress_ || runFinished_) {
    return;
  }
  UpdateView& view = services_.view;
  const int entries = std::min(view.printerChecklistCount(), device::MaxPrinterDevices);
  TickedEntries tickedEntries{};
  std::int32_t ticked = 0;
  for (int entry = 0; entry < entries; ++entry) {
    tickedEntries[entry] = view.isPrinterChecklistEntryTicked(entry);
    ticked += tickedEntries[entry] ? 1 : 0;
  }
  const bool somethingToUpdate = entries > 0 && ticked > 0;
  std::u16string imageProblem;
  const bool imageReady = !somethingToUpdate || services_.firmware.firmwareImageReady(imageProblem);
  if (somethingToUpdate && imageReady) {
    // The taking-part printers are fixed here, before the pump below, and device notices list
    // nothing from now to the end of the program: the workers own the device layer during the
    // run, and the check list must keep the entries the run was started with.
    g_BlockUsbEnumeration = 1;
  }
  view.setWaitCursor(true);
  view.setStepLabel(u"");
  view.pump();

  if (!somethingToUpdate) {
    services_.messages.showMessage(
        ports::kPlainMessage, text(entries == 0 ? keys::kConnectPrinter : keys::kSelectPrinter), 0,
        0);
  } else if (!imageReady) {
    // Nothing to send: refuse before any printer is switched and left waiting in flash mode.
    services_.messages.showMessage(ports::kPlainMessage, imageProblem, 0, 0);
  } else {
    performRun(entries, tickedEntries, ticked);
  }

  view.setActivityIndicatorEnabled(false);
  view.setAppCloseEnabled(true);
  view.setWaitCursor(false);
  view.setStepLabel(u"");
  view.pump();
}

// Preparation and step 1 catch nothing themselves: an error there ends the run without a result.
// Steps 2 and 3 and the flash listing catch their own. The system is kept awake from before the
// first printer is switched until the run's last dialog, which may wait for hours, opens.
void UpdateWorkflow::performRun(int entries, const TickedEntries& tickedEntries,
                                std::int32_t ticked) {
  runInProgress_ = true;
  try {
    // An error leaves the try block, and so lets the system sleep, before its text is shown.
    auto awake = keepSystemAwake();
    prepareRun(entries, tickedEntries);
    switchPrintersToFlashMode();
    services_.device.platform().sleep(kFlashListingPauseMs);
    listFlashPrinters();
    const std::int32_t sent = sendFirmwareToPrinters();
    const std::int32_t updated = waitForPrintersToUpdate();
    awake.reset();
    // Recorded before the dialog, which may stay open for hours.
    const bool stopped = std::find(stoppedBeforeTurn_.begin(), stoppedBeforeTurn_.end(), true) !=
                         stoppedBeforeTurn_.end();
    journal_->runEnded({stopped ? ports::RunOutcome::kStopped : ports::RunOutcome::kFinished,
                        ticked,
                        sent,
                        updated,
                        {}});
    showRunResult(ticked, sent, updated);
  } catch (const std::exception& error) {
    journal_->runEnded(
        {ports::RunOutcome::kFailed, ticked, 0, 0, platform::fromUtf8(error.what())});
    showError(error);
  }
  runInProgress_ = false;
  runFinished_ = true;
}

void UpdateWorkflow::prepareRun(int entries, const TickedEntries& tickedEntries) {
  UpdateView& view = services_.view;
  view.setActivityIndicatorEnabled(true);
  view.setCaptionCloseEnabled(false);
  view.setLanguageButtonEnabled(false);

  view.clearProgressRows();
  auto& idle = gVUZPrinterInfo.idlePrinters;
  std::vector<std::u16string> statusRows;
  for (int slot = 0; slot < entries; ++slot) {
    if (!tickedEntries[slot]) {
      idle.selected[slot] = 0;
      continue;
    }
    idle.selected[slot] = 1;
    view.appendPrinterRow(std::u16string(device::slotText(idle.serialNumber[slot])));
    gVUZPrinterInfo.printerStatus[slot] = kInIdleMode;
    statusRows.push_back(text(keys::kStatusInIdleMode));
  }
  view.appendStatusRows(statusRows);

  view.setPrinterChecklistEnabled(false);
  view.pump();
  view.showProgressPage();
  journalRunStarted();
}

void UpdateWorkflow::journalRunStarted() {
  const auto& idle = gVUZPrinterInfo.idlePrinters;
  std::vector<ports::JournalPrinter> printers;
  for (int slot = 0; slot < device::MaxPrinterDevices; ++slot) {
    if (idle.selected[slot] == 1) {
      printers.push_back({std::u16string(device::slotText(idle.serialNumber[slot])),
                          std::u16string(device::slotText(idle.description[slot])),
                          std::u16string(device::slotText(idle.devicePath[slot]))});
    }
  }
  journal_->runStarted(printers);
  // Every row starts in idle mode, as the progress page shows it.
  const std::u16string idleText = text(keys::kStatusInIdleMode);
  for (int row = 0; row < static_cast<int>(printers.size()); ++row) {
    journal_->statusChanged(row, kInIdleMode, keys::kStatusInIdleMode, idleText);
  }
}

std::unique_ptr<ports::SleepInhibitor::Hold> UpdateWorkflow::keepSystemAwake() {
  if (services_.sleepInhibitor == nullptr) {
    return nullptr;
  }
  return services_.sleepInhibitor->inhibit(u"Printer firmware is being updated");
}

void UpdateWorkflow::showRunResult(std::int32_t ticked, std::int32_t sent, std::int32_t updated) {
  const bool allUpdated = sent == ticked && updated == sent;
  services_.messages.showMessage(ports::kResultMessage,
                                 text(allUpdated ? keys::kAllUpdated : keys::kSomeUpdated), ticked,
                                 updated);
}

}  // namespace nobrix::workflow
