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
  std::u16string imageProblem;
  const bool imageReady = ticked == 0 || services_.firmware.firmwareImageReady(imageProblem);
  if (ticked > 0 && imageReady) {
    // The taking-part printers are fixed here, before the pump below, and device notices list
    // nothing from now to the end of the program: the workers own the device layer during the
    // run, and the check list must keep the entries the run was started with.
    g_BlockUsbEnumeration = 1;
  }
  view.setWaitCursor(true);
  view.setStepLabel(u"");
  view.pump();

  runOrRefuse(entries, tickedEntries, ticked, imageReady ? nullptr : &imageProblem);

  view.setActivityIndicatorEnabled(false);
  view.setAppCloseEnabled(true);
  view.setWaitCursor(false);
  view.setStepLabel(u"");
  view.pump();
}

// `imageProblem` is null when the image is ready to send.
void UpdateWorkflow::runOrRefuse(int entries, const TickedEntries& tickedEntries,
                                 std::int32_t ticked, const std::u16string* imageProblem) {
  refusal_ = StartRefusal::kNone;
  if (ticked == 0) {
    refusal_ = StartRefusal::kNothingTicked;
    services_.messages.showMessage(
        ports::kPlainMessage, text(entries == 0 ? keys::kConnectPrinter : keys::kSelectPrinter), 0,
        0);
  } else if (imageProblem != nullptr) {
    // Nothing to send: refuse before any printer is switched and left waiting in flash mode.
    refusal_ = StartRefusal::kNoImage;
    services_.messages.showMessage(ports::kPlainMessage, *imageProblem, 0, 0);
  } else if (!unknownModelsConfirmed(entries, tickedEntries)) {
    refusal_ = StartRefusal::kModelNotConfirmed;
  } else if (!updateLockTaken()) {
    refusal_ = StartRefusal::kLocked;
  } else {
    performRun(entries, tickedEntries, ticked);
    releaseUpdateLock();
  }
  if (refusal_ == StartRefusal::kModelNotConfirmed || refusal_ == StartRefusal::kLocked) {
    unblockListing();
  }
}

// Preparation and step 1 catch nothing themselves: an error there ends the run without a result.
// Steps 2 and 3 and the flash listing catch their own. The system is kept awake from before the
// first printer is switched until the run's last dialog, which may wait for hours, opens; the
// update lock is let go there too, when no printer is touched any more.
void UpdateWorkflow::performRun(int entries, const TickedEntries& tickedEntries,
                                std::int32_t ticked) {
  runInProgress_ = true;
  try {
    // An error leaves the try block, and so lets the system sleep, before its text is shown.
    auto awake = keepSystemAwake();
    prepareRun(entries, tickedEntries);
    switchPrintersToFlashMode();
    pauseForFlashModeListing();
    listFlashPrinters();
    const std::int32_t sent = sendFirmwareToPrinters();
    const std::int32_t updated = waitForPrintersToUpdate();
    awake.reset();
    stopAsked();  // one that came during the last wait counts too
    releaseUpdateLock();
    // Recorded before the dialog, which may stay open for hours.
    journal_->runEnded({stopSeen_ ? ports::RunOutcome::kStopped : ports::RunOutcome::kFinished,
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

// Printers need a moment to come back in flash mode after the switch. There is nothing to wait
// for when no printer was switched (every one was waiting in flash mode already) or once a stop
// was asked for: the printers switched before it are not sent the image.
void UpdateWorkflow::pauseForFlashModeListing() {
  bool anySwitched = false;
  for (int slot = 0; slot < device::MaxPrinterDevices; ++slot) {
    anySwitched = anySwitched || (gVUZPrinterInfo.idlePrinters.selected[slot] == 1 &&
                                  !listedInFlashMode_[static_cast<std::size_t>(slot)] &&
                                  gVUZPrinterInfo.printerStatus[slot] == kInFlashMode);
  }
  if (anySwitched && !stopAsked()) {
    services_.device.platform().sleep(kFlashListingPauseMs);
  }
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
    const bool waiting = listedInFlashMode_[static_cast<std::size_t>(slot)];
    gVUZPrinterInfo.printerStatus[slot] = waiting ? kInFlashMode : kInIdleMode;
    statusRows.push_back(text(waiting ? keys::kStatusInFlashMode : keys::kStatusInIdleMode));
  }
  view.appendStatusRows(statusRows);

  stopSeen_ = false;
  failedStep_.fill(0);
  bytesAccepted_.fill(0);
  rowFlashEntry_.fill(-1);
  flashModeUnmatched_.fill(false);
  view.setPrinterChecklistEnabled(false);
  view.pump();
  view.showProgressPage();
  journalRunStarted();
}

// A printer waiting in flash mode is recorded as this product: an earlier run knew it as one, or
// the user confirmed it. That record is what lets a later run finish it without asking.
void UpdateWorkflow::journalRunStarted() {
  const auto& idle = gVUZPrinterInfo.idlePrinters;
  std::vector<ports::JournalPrinter> printers;
  std::vector<std::int32_t> statuses;
  for (int slot = 0; slot < device::MaxPrinterDevices; ++slot) {
    if (idle.selected[slot] == 1) {
      const bool waiting = listedInFlashMode_[static_cast<std::size_t>(slot)];
      printers.push_back(
          {std::u16string(device::slotText(idle.serialNumber[slot])),
           waiting ? productName_ : std::u16string(device::slotText(idle.description[slot])),
           std::u16string(device::slotText(idle.devicePath[slot]))});
      statuses.push_back(gVUZPrinterInfo.printerStatus[slot]);
    }
  }
  journal_->runStarted(printers);
  // Every row starts as the progress page shows it.
  for (int row = 0; row < static_cast<int>(printers.size()); ++row) {
    const std::string_view key =
        statuses[row] == kInFlashMode ? keys::kStatusInFlashMode : keys::kStatusInIdleMode;
    journal_->statusChanged(row, statuses[row], key, text(key));
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
