// Step 2: each printer that reached flash mode and was found again by its serial number gets
// the firmware image through its flash-mode path, one printer at a time on a worker.
#include "workflow/flash_timing.h"
#include "workflow/printer_status.h"
#include "workflow/update_workflow.h"

namespace nobrix::workflow {

namespace {

// The printer as its check list entry named it, for the transfer's messages.
std::u16string checklistName(const device::USBPrinterClassDeviceInfo& idle, int slot) {
  return std::u16string(device::slotText(idle.description[slot])) + u"[SN#:" +
         std::u16string(device::slotText(idle.serialNumber[slot])) + u"]";
}

}  // namespace

std::int32_t UpdateWorkflow::sendFirmwareToPrinters() {
  return forEachProgressRow(2, kAfterSendPauseMs, [this](int row, int slot, int entry) {
    const std::int32_t status = slot >= 0 ? gVUZPrinterInfo.printerStatus[slot] : kNotTakingPart;
    if (status == kInFlashMode && stopsBefore(slot, row)) {
      return false;
    }
    if (status == kInFlashMode && entry >= 0) {
      setPrinterStatus(slot, row, kSendingFirmware, keys::kStatusSendingFhx);
      services_.device.Lib_SetUSBDeviceFilePath(device::kSelectDevicePath,
                                                gVUZPrinterInfo.flashPrinters.devicePath[entry]);
      gFhxSendStatus = 0;
      const std::u16string printer = checklistName(gVUZPrinterInfo.idlePrinters, slot);
      runPrinterWorker([this, entry, &printer] { sendFirmwareWorker(entry, printer); });
      journalBytesAccepted(row);
      if (gFhxSendStatus == 1) {
        setPrinterStatus(slot, row, kStoringAndUpdating, keys::kStatusStoringAndUpdating);
        return true;
      }
      setPrinterStatus(slot, row, kFailed, keys::kStatusFlashingTimeout);
    } else if (status == kInFlashMode && hasUnmatchedFlashPrinter()) {
      // It switched, and a flash-mode printer is there whose serial number matches no ticked
      // printer (an ID read short, say): it must not pass for an unplugged printer.
      flashModeUnmatched_[static_cast<std::size_t>(slot)] = true;
      setPrinterStatus(slot, row, kFailed, keys::kStatusFlashModeUnmatched);
    } else {
      setPrinterStatus(slot, row, kFailed, keys::kStatusPrinterNotConnected);
    }
    return false;
  });
}

void UpdateWorkflow::runPrinterWorker(const std::function<void()>& work) {
  try {
    services_.workers.runAndPump(work);
  } catch (const std::exception& error) {
    showError(error);
  }
}

// The sender counts from zero at each send, so what it holds now is this printer's.
void UpdateWorkflow::journalBytesAccepted(int row) {
  if (const firmware::TransferProgress* progress = services_.firmware.progress()) {
    journal_->bytesAccepted(row, progress->acceptedBytes.load(std::memory_order_relaxed));
  }
}

void UpdateWorkflow::sendFirmwareWorker(std::int32_t flashEntry, std::u16string_view printer) {
  if (flashEntry < 0 || flashEntry >= device::MaxPrinterDevices) {
    gFhxSendStatus = 0;
    return;
  }
  const std::int32_t copied =
      services_.firmware.sendImage(gVUZPrinterInfo.flashPrinters.devicePath[flashEntry], printer);
  gFhxSendStatus = copied != 0 ? 1 : 0;
}

}  // namespace nobrix::workflow
