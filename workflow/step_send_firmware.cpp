// Step 2: each printer that reached flash mode and was found again by its serial number gets
// the firmware image through its flash-mode path, one printer at a time on a worker.
#include "workflow/flash_timing.h"
#include "workflow/printer_status.h"
#include "workflow/update_workflow.h"

namespace nobrix::workflow {

std::int32_t UpdateWorkflow::App_FlashFirmware() {
  UpdateView& view = services_.view;
  std::int32_t sent = 0;
  try {
    const int rows = view.printerRowCount();
    for (int row = 0; row < rows; ++row) {
      showStepLabel(2);
      view.setRowSelected(row, true);
      view.pump();
      const int slot = slotOfRow(row);
      const int entry = flashEntryOfRow(row);
      if (slot >= 0 && gVUZPrinterInfo.printerStatus[slot] == kInFlashMode && entry >= 0) {
        setPrinterStatus(slot, row, kSendingFirmware, keys::kStatusSendingFhx);
        services_.device.Lib_SetUSBDeviceFilePath(1,
                                                  gVUZPrinterInfo.flashPrinters.devicePath[entry]);
        gFhxSendStatus = 0;
        runPrinterWorker([this, entry] { App_BGWorker_SendFlashFile(entry); });
        if (gFhxSendStatus == 1) {
          setPrinterStatus(slot, row, kStoringAndUpdating, keys::kStatusStoringAndUpdating);
          ++sent;
        } else {
          setPrinterStatus(slot, row, kFailed, keys::kStatusFlashingTimeout);
        }
      } else if (slot >= 0 && gVUZPrinterInfo.printerStatus[slot] == kInFlashMode &&
                 hasUnmatchedFlashPrinter()) {
        // It switched, and a flash-mode printer is there whose serial number matches no ticked
        // printer (an ID read short, say): it must not pass for an unplugged printer.
        flashModeUnmatched_[static_cast<std::size_t>(slot)] = true;
        setPrinterStatus(slot, row, kFailed, keys::kStatusFlashModeUnmatched);
      } else {
        setPrinterStatus(slot, row, kFailed, keys::kStatusPrinterNotConnected);
      }
      view.setRowSelected(row, false);
      view.pump();
      services_.device.platform().sleep(kAfterSendPauseMs);
    }
  } catch (const std::exception& error) {
    showError(error);
    view.setActivityIndicatorEnabled(false);
    return 0;
  }
  return sent;
}

void UpdateWorkflow::runPrinterWorker(const std::function<void()>& work) {
  try {
    services_.workers.runAndPump(work);
  } catch (const std::exception& error) {
    showError(error);
  }
}

void UpdateWorkflow::App_BGWorker_SendFlashFile(std::int32_t flashEntry) {
  if (flashEntry < 0 || flashEntry >= device::MaxPrinterDevices) {
    gFhxSendStatus = 0;
    return;
  }
  const std::int32_t copied = services_.firmware.App_CopyFirmwareRCDATAResourceToPrinter(
      gVUZPrinterInfo.flashPrinters.devicePath[flashEntry]);
  gFhxSendStatus = copied != 0 ? 1 : 0;
}

}  // namespace nobrix::workflow
