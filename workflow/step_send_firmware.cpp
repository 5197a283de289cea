// Step 2: each printer that reached flash mode and was found again by its serial number gets
// the firmware image through its flash-mode path, one printer at a time on a worker.
#include "workflow/flash_timing.h"
#include "workflow/printer_status.h"
#include "workflow/update_workflow.h"

namespace nobrix::workflow {

namespace {

// The printer as its check list entry named it, for the transfer's messages; one that was waiting
// in flash mode is sent this product's image, and named so.
std::u16string checklistName(const device::USBPrinterClassDeviceInfo& idle, int slot,
                             std::u16string_view product) {
  const std::u16string_view description =
      product.empty() ? device::slotText(idle.description[slot]) : product;
  return std::u16string(description) + u"[SN#:" +
         std::u16string(device::slotText(idle.serialNumber[slot])) + u"]";
}

}  // namespace

std::int32_t UpdateWorkflow::sendFirmwareToPrinters() {
  assignFlashEntries();
  return forEachProgressRow(2, kAfterSendPauseMs, [this](int row, int slot, int entry) {
    const std::int32_t status = slot >= 0 ? gVUZPrinterInfo.printerStatus[slot] : kNotTakingPart;
    if (status == kStopped) {
      return false;  // never touched, and its row says so to the end
    }
    if (status == kInFlashMode && stopAsked()) {
      // Switched before the stop: it waits in flash mode, and the next run can finish it.
      setPrinterStatus(slot, row, kStoppedInFlashMode, keys::kStatusStoppedInFlashMode);
      return false;
    }
    if (status == kInFlashMode && entry >= 0) {
      return sendToRow(row, slot, entry);
    }
    if (status == kInFlashMode && hasUnmatchedFlashPrinter()) {
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

// What the printer has taken is recorded as the send goes, so a run killed halfway leaves a
// count close to the truth.
bool UpdateWorkflow::sendToRow(int row, int slot, int entry) {
  setPrinterStatus(slot, row, kSendingFirmware, keys::kStatusSendingFhx);
  services_.device.Lib_SetUSBDeviceFilePath(device::kSelectDevicePath,
                                            gVUZPrinterInfo.flashPrinters.devicePath[entry]);
  gFhxSendStatus = 0;
  platform::Platform& platform = services_.device.platform();
  std::uint32_t recordedAt = platform.tickCount();
  const std::u16string printer =
      checklistName(gVUZPrinterInfo.idlePrinters, slot,
                    listedInFlashMode_[static_cast<std::size_t>(slot)] ? productName_ : u"");
  runPrinterWorker([this, entry, &printer] { sendFirmwareWorker(entry, printer); },
                   [this, row, &platform, &recordedAt] {
                     const std::uint32_t now = platform.tickCount();
                     if (now - recordedAt >= kBytesRecordedEveryMs) {
                       journalBytesAccepted(row);
                       recordedAt = now;
                     }
                   });
  journalBytesAccepted(row);
  if (gFhxSendStatus == 1) {
    setPrinterStatus(slot, row, kStoringAndUpdating, keys::kStatusStoringAndUpdating);
    return true;
  }
  setPrinterStatus(slot, row, kFailed, keys::kStatusFlashingTimeout);
  return false;
}

void UpdateWorkflow::runPrinterWorker(const std::function<void()>& work,
                                      const std::function<void()>& whilePumping) {
  try {
    services_.workers.runAndPump(work, whilePumping);
  } catch (const std::exception& error) {
    showError(error);
  }
}

// The sender counts from zero at each send, so what it holds now is this printer's.
void UpdateWorkflow::journalBytesAccepted(int row) {
  if (const firmware::TransferProgress* progress = services_.firmware.progress()) {
    const std::uint64_t bytes = progress->acceptedBytes.load(std::memory_order_relaxed);
    if (row >= 0 && row < device::MaxPrinterDevices) {
      bytesAccepted_[row] = bytes;
    }
    journal_->bytesAccepted(row, bytes);
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
