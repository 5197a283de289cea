// The progress page's rows: which row shows which idle slot, the step label, and how a status
// change reaches its row. Row r belongs to the r-th taking-part slot in ascending order.
#include <algorithm>

#include "device/printer_records.h"
#include "workflow/printer_status.h"
#include "workflow/update_workflow.h"

namespace nobrix::workflow {

// The label reads "<steps text>[n/3]". It is appended piece by piece: GCC 12 at -O2 and above
// reports a false -Wrestrict on chains of std::u16string operator+ (GCC bug 105329).
void UpdateWorkflow::showStepLabel(int step) {
  currentStep_ = step;
  std::u16string label = text(keys::kProgressUpdateSteps);
  label.reserve(label.size() + 5);
  label += u'[';
  label += static_cast<char16_t>(u'0' + step);
  label += u"/3]";
  services_.view.setStepLabel(label);
  services_.view.pump();
}

// The text is looked up now, so a row keeps the language it was written in.
void UpdateWorkflow::setPrinterStatus(int slot, int row, std::int32_t status,
                                      std::string_view key) {
  if (slot >= 0 && slot < device::MaxPrinterDevices) {
    gVUZPrinterInfo.printerStatus[slot] = status;
  }
  if (status == kFailed && row >= 0 && row < device::MaxPrinterDevices && failedStep_[row] == 0) {
    failedStep_[row] = currentStep_;
  }
  const std::u16string rowText = text(key);
  services_.view.replaceStatusRow(row, rowText);
  journal_->statusChanged(row, status, key, rowText);
  services_.view.pump();
}

// Steps 2 and 3 visit the rows alike; an error of the step itself (not of one printer's worker)
// is shown, stops the activity indicator and leaves the rows not yet visited as they are.
std::int32_t UpdateWorkflow::forEachProgressRow(int step, std::uint32_t pauseAfterRowMs,
                                                const RowVisit& visit) {
  UpdateView& view = services_.view;
  std::int32_t counted = 0;
  try {
    const int rows = view.printerRowCount();
    for (int row = 0; row < rows; ++row) {
      showStepLabel(step);
      view.setRowSelected(row, true);
      view.pump();
      journal_->stepStarted(row, step);
      const int entry = row < device::MaxPrinterDevices ? rowFlashEntry_[row] : -1;
      counted += visit(row, slotOfRow(row), entry) ? 1 : 0;
      journal_->stepEnded(row, step);
      view.setRowSelected(row, false);
      view.pump();
      if (pauseAfterRowMs > 0 && !stopAsked()) {
        services_.device.platform().sleep(pauseAfterRowMs);
      }
    }
  } catch (const std::exception& error) {
    showError(error);
    view.setActivityIndicatorEnabled(false);
    return 0;
  }
  return counted;
}

int UpdateWorkflow::failedStep(int row) const {
  return row >= 0 && row < device::MaxPrinterDevices ? failedStep_[row] : 0;
}

std::uint64_t UpdateWorkflow::bytesAccepted(int row) const {
  return row >= 0 && row < device::MaxPrinterDevices ? bytesAccepted_[row] : 0;
}

bool UpdateWorkflow::stopAsked() {
  if (!stopSeen_ && services_.stopRequested && services_.stopRequested()) {
    stopSeen_ = true;
    journal_->runEvent(ports::RunEvent::kStopRequested);
  }
  return stopSeen_;
}

int UpdateWorkflow::rowOfSlot(int slot) const {
  int row = 0;
  for (int below = 0; below < slot; ++below) {
    if (gVUZPrinterInfo.idlePrinters.selected[below] == 1) {
      ++row;
    }
  }
  return row;
}

// -1 when fewer slots take part than the row number asks for.
int UpdateWorkflow::slotOfRow(int row) const {
  int seen = 0;
  for (int slot = 0; slot < device::MaxPrinterDevices; ++slot) {
    if (gVUZPrinterInfo.idlePrinters.selected[slot] == 1) {
      if (seen == row) {
        return slot;
      }
      ++seen;
    }
  }
  return -1;
}

// Each row whose printer went into flash mode takes the first free flash entry of its serial
// number, in row order. The text passes through a slot-sized buffer, so at most 255 code units
// take part in the comparison. An entry serves one row only, and a row whose printer never left
// the bus takes none: twins that share a serial number (or have none) are otherwise told apart by
// order alone, and one printer would get the image twice, or the twin that did switch none.
void UpdateWorkflow::assignFlashEntries() {
  rowFlashEntry_.fill(-1);
  std::array<bool, device::MaxPrinterDevices> taken{};
  const auto& flash = gVUZPrinterInfo.flashPrinters;
  const int entries = std::min(flash.deviceCount, device::MaxPrinterDevices);
  const int rows = std::min(services_.view.printerRowCount(), device::MaxPrinterDevices);
  for (int row = 0; row < rows; ++row) {
    const int slot = slotOfRow(row);
    if (slot < 0 || gVUZPrinterInfo.printerStatus[slot] != kInFlashMode) {
      continue;
    }
    device::TextSlot rowText{};
    device::copyToSlot(rowText, services_.view.printerRowText(row));
    for (int entry = 0; entry < entries; ++entry) {
      if (!taken[entry] && flash.selected[entry] == 1 &&
          device::slotText(flash.serialNumber[entry]) == device::slotText(rowText)) {
        taken[entry] = true;
        rowFlashEntry_[row] = entry;
        break;
      }
    }
  }
}

}  // namespace nobrix::workflow
