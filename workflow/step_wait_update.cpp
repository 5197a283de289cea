// Step 3: for each printer that received the image, a worker waits until its flash-mode
// interface leaves the bus, which is how a printer says it has stored and applied the image.
#include "workflow/flash_timing.h"
#include "workflow/printer_status.h"
#include "workflow/update_workflow.h"

namespace nobrix::workflow {

std::int32_t UpdateWorkflow::waitForPrintersToUpdate() {
  return forEachProgressRow(3, 0, [this](int row, int slot, int entry) {
    const std::int32_t status = slot >= 0 ? gVUZPrinterInfo.printerStatus[slot] : kNotTakingPart;
    if (status == kStoringAndUpdating && entry >= 0) {
      services_.device.Lib_SetUSBDeviceFilePath(device::kSelectDevicePath,
                                                gVUZPrinterInfo.flashPrinters.devicePath[entry]);
      runPrinterWorker([this] { updateWaitWorker(); });
      if (gFlashUpdateStatus != 0) {
        setPrinterStatus(slot, row, kUpdateCompleted, keys::kStatusUpdateCompleted);
        return true;
      }
      // Still present at the limit: the printer may yet finish, so it keeps its status.
      setPrinterStatus(slot, row, kStoringAndUpdating, keys::kStatusUpdateTimeout);
    } else if (slot < 0 || !(flashModeUnmatched_[static_cast<std::size_t>(slot)] ||
                             status == kStopped || status == kStoppedInFlashMode)) {
      setPrinterStatus(slot, row, kFailed, keys::kStatusPrinterNotFound);
    }
    return false;
  });
}

// A printer that finished while the others were receiving firmware is gone already and
// completes without a single poll.
void UpdateWorkflow::updateWaitWorker() {
  device::PrinterDeviceLayer& device = services_.device;
  gFlashUpdateStatus = 0;
  const std::uint32_t startTick = device.platform().tickCount();
  if (device.Lib_IsConnectionValid() != 0) {
    waitWhileConnected(startTick, kUpdateLimitSeconds);
  }
  gFlashUpdateStatus = device.Lib_IsConnectionValid() == 0 ? 1 : 0;
}

}  // namespace nobrix::workflow
