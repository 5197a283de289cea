// The progress page's rows: which row shows which idle slot, the step label, and how a status
// change reaches its row. Row r belongs to the r-th taking-part slot in ascending order.
#include "device/printer_records.h"
#include "workflow/printer_status.h"
#include "workflow/update_workflow.h"

namespace nobrix::workflow {

// The label reads "<steps text>[n/3]". It is appended piece by piece: GCC 12 at -O2 and above
// reports a false -Wrestrict on chains of std::u16string operator+ (GCC bug 105329).
void UpdateWorkflow::showStepLabel(int step) {
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
      counted += visit(row, slotOfRow(row), flashEntryOfRow(row)) ? 1 : 0;
      journal_->stepEnded(row, step);
      view.setRowSelected(row, false);
      view.pump();
      if (pauseAfterRowMs > 0) {
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

bool UpdateWorkflow::stopsBefore(int slot, int row) {
  if (!services_.stopRequested || !services_.stopRequested()) {
    return false;
  }
  if (slot >= 0 && slot < device::MaxPrinterDevices) {
    stoppedBeforeTurn_[static_cast<std::size_t>(slot)] = true;
  }
  setPrinterStatus(slot, row, kStopped, keys::kStatusStopped);
  return true;
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

// The first flash entry of the run whose serial number equals the row's text. The text passes
// through a slot-sized buffer, so at most 255 code units take part in the comparison.
// A flash entry serves one row only: rows that share a serial number (or have none) take the
// matching entries in turn. Otherwise both rows would reach the same printer, which would get
// the image twice while the other got none, and the run would still count both as updated.
int UpdateWorkflow::flashEntryOfRow(int row) const {
  device::TextSlot rowText{};
  device::copyToSlot(rowText, services_.view.printerRowText(row));
  const std::u16string_view serial = device::slotText(rowText);
  int earlierRowsWithSerial = 0;
  for (int earlier = 0; earlier < row; ++earlier) {
    device::TextSlot earlierText{};
    device::copyToSlot(earlierText, services_.view.printerRowText(earlier));
    earlierRowsWithSerial += device::slotText(earlierText) == serial ? 1 : 0;
  }
  const auto& flash = gVUZPrinterInfo.flashPrinters;
  const int count =
      flash.deviceCount < device::MaxPrinterDevices ? flash.deviceCount : device::MaxPrinterDevices;
  for (int entry = 0; entry < count; ++entry) {
    if (flash.selected[entry] == 1 && device::slotText(flash.serialNumber[entry]) == serial &&
        earlierRowsWithSerial-- == 0) {
      return entry;
    }
  }
  return -1;
}

}  // namespace nobrix::workflow
