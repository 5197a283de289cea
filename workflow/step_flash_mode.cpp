// Step 1: each ticked printer gets the flash-mode commands on a worker, which waits for the
// printer to leave the bus; the window thread then judges the switch by its own connection test.
#include "workflow/flash_timing.h"
#include "workflow/printer_status.h"
#include "workflow/update_workflow.h"

namespace nobrix::workflow {

void UpdateWorkflow::switchPrintersToFlashMode() {
  UpdateView& view = services_.view;
  device::PrinterDeviceLayer& device = services_.device;
  const auto& idle = gVUZPrinterInfo.idlePrinters;
  for (int slot = 0; slot < device::MaxPrinterDevices; ++slot) {
    // A printer that was waiting in flash mode needs no switch.
    if (idle.selected[slot] != 1 || listedInFlashMode_[static_cast<std::size_t>(slot)]) {
      continue;
    }
    showStepLabel(1);
    const int row = rowOfSlot(slot);
    if (stopAsked()) {
      setPrinterStatus(slot, row, kStopped, keys::kStatusStopped);
      continue;
    }
    view.setRowSelected(row, true);
    journal_->stepStarted(row, 1);
    setPrinterStatus(slot, row, kSettingFlashMode, keys::kStatusSettingFlashMode);

    device.Lib_SetUSBDeviceFilePath(device::kSelectDevicePath, idle.devicePath[slot]);
    gFlashModeStatus = 0;
    services_.workers.runAndPump([this] { flashModeWorker(); });

    // The printer has switched when its idle-mode interface is gone, whatever the worker saw.
    if (device.Lib_IsConnectionValid() != 0) {
      setPrinterStatus(slot, row, kFailed, keys::kStatusFlashModeFail);
    } else {
      setPrinterStatus(slot, row, kInFlashMode, keys::kStatusInFlashMode);
    }
    journal_->stepEnded(row, 1);
    view.setRowSelected(row, false);
  }
}

void UpdateWorkflow::flashModeWorker() {
  device::PrinterDeviceLayer& device = services_.device;
  if (device.Lib_SendFlashCommand() == 0) {
    return;
  }
  if (device.Lib_IsConnectionValid() != 0) {
    waitWhileConnected(device.platform().tickCount(), kFlashModeLimitSeconds);
  }
  gFlashModeStatus = device.Lib_IsConnectionValid() == 0 ? 1 : 0;
}

// Shared by the step-1 and step-3 workers; both poll at the same 10 s rhythm.
void UpdateWorkflow::waitWhileConnected(std::uint32_t startTick, std::uint32_t limitSeconds) {
  static_assert(kFlashModePollMs == kUpdatePollMs);
  platform::Platform& platform = services_.device.platform();
  for (;;) {
    platform.sleep(kFlashModePollMs);
    if (elapsedSeconds(startTick, platform.tickCount()) > limitSeconds) {
      return;
    }
    if (services_.device.Lib_IsConnectionValid() == 0) {
      return;
    }
  }
}

}  // namespace nobrix::workflow
