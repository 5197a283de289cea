// Row r of the progress page shows the r-th taking-part idle slot, as in the workflow.
#include "workflow/headless/headless_rig.h"

#include <utility>

#include "device/printer_records.h"

namespace nobrix::workflow::headless {

HeadlessRig::HeadlessRig(const RigParts& parts, std::function<bool()> stopRequested)
    : device(parts.platform, parts.errorBox),
      firmware(parts.platform, parts.resources, parts.texts, parts.messages),
      pump(view),
      workers(pump),
      workflow(WorkflowServices{device, firmware, parts.texts, parts.messages, view, workers,
                                parts.productName, parts.sleepInhibitor,
                                std::move(stopRequested)}) {}

std::vector<ListedPrinter> HeadlessRig::listedPrinters() const {
  const auto& idle = workflow.printerInfo().idlePrinters;
  std::vector<ListedPrinter> printers;
  const int count = static_cast<int>(view.checklist().size());
  for (int entry = 0; entry < count && entry < device::MaxPrinterDevices; ++entry) {
    printers.push_back({std::u16string(device::slotText(idle.description[entry])),
                        std::u16string(device::slotText(idle.serialNumber[entry])),
                        std::u16string(device::slotText(idle.devicePath[entry])),
                        workflow.listedInFlashMode(entry),
                        !workflow.listedInFlashMode(entry) || workflow.listedModelKnown(entry)});
  }
  return printers;
}

std::vector<FinalRow> HeadlessRig::finalRows() const {
  std::vector<FinalRow> rows;
  const auto& info = workflow.printerInfo();
  for (int row = 0; row < view.printerRowCount(); ++row) {
    const int slot = slotOfRow(row);
    rows.push_back({view.printerRowText(row), view.statusRowText(row),
                    slot >= 0 ? info.printerStatus[slot] : -1, workflow.failedStep(row),
                    workflow.bytesAccepted(row),
                    slot >= 0 ? std::u16string(device::slotText(info.idlePrinters.devicePath[slot]))
                              : std::u16string()});
  }
  return rows;
}

int HeadlessRig::slotOfRow(int row) const {
  const auto& idle = workflow.printerInfo().idlePrinters;
  for (int slot = 0, seen = 0; slot < device::MaxPrinterDevices; ++slot) {
    if (idle.selected[slot] == 1 && seen++ == row) {
      return slot;
    }
  }
  return -1;
}

}  // namespace nobrix::workflow::headless
