// Wiring of the driver; the hot-plug delivery copies the window's: drain the monitor, then one
// device-change notice for the workflow, which may arrive while a listing pumps.
#include "tests/kernel/driver_rig.h"

#include "nobrix/build_constants.h"
#include "platform/linux/linux_platform.h"
#include "tests/kernel/console_output.h"

namespace nobrix::kernel {

DriverRig::DriverRig(firmware::ResourceModule& resources)
    : platform(platform::usblp::makeLinuxPlatform()),
      device(*platform, errorBox),
      messages(language),
      firmware(*platform, resources, language, messages),
      pump(view),
      workers(pump),
      workflow(workflow::WorkflowServices{device, firmware, language, messages, view, workers,
                                          build::kProductNameWide.view()}) {}

void ConsoleErrorBox::showErrorBox(std::u16string_view caption, std::u16string_view text) {
  printRecord("ERRORBOX", {oneLine(caption), oneLine(text)});
}

void DriverRig::startHotplug() {
  const bool started = monitor.start();
  printRecord("HOTPLUG", {!started ? "none" : monitor.listensToKernel() ? "kernel" : "udev"});
  view.onPump = [this] { deliverEvents(); };
}

void DriverRig::deliverEvents() {
  view.printChecklistIfChanged();
  if (monitor.drainEvents()) {
    workflow.onDeviceNodesChanged();
  }
  view.printChecklistIfChanged();
}

void DriverRig::printFinalRows() const {
  for (int row = 0; row < view.printerRowCount(); ++row) {
    const int slot = slotOfRow(row);
    const int code = slot >= 0 ? workflow.printerInfo().printerStatus[slot] : -1;
    printRecord("FINAL", {oneLine(view.printerRowText(row)), oneLine(view.statusRowText(row)),
                          std::to_string(code)});
  }
}

// Row r shows the r-th taking-part idle slot.
int DriverRig::slotOfRow(int row) const {
  const auto& idle = workflow.printerInfo().idlePrinters;
  for (int slot = 0, seen = 0; slot < device::MaxPrinterDevices; ++slot) {
    if (idle.selected[slot] == 1 && seen++ == row) {
      return slot;
    }
  }
  return -1;
}

}  // namespace nobrix::kernel
