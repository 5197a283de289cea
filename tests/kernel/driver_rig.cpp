// Wiring of the driver; the hot-plug delivery copies the window's: drain the monitor, then one
// device-change notice for the workflow, which may arrive while a listing pumps.
#include "tests/kernel/driver_rig.h"

#include "nobrix/build_constants.h"
#include "platform/linux/linux_platform.h"
#include "tests/kernel/console_output.h"

namespace nobrix::kernel {

DriverRig::DriverRig(firmware::ResourceModule& resources)
    : platform(platform::usblp::makeLinuxPlatform()),
      messages(language),
      rig({*platform, resources, language, messages, errorBox, build::kProductNameWide.view()}),
      records(rig.view) {
  rig.view.setObserver(&records);
}

void ConsoleErrorBox::showErrorBox(std::u16string_view caption, std::u16string_view text) {
  printRecord("ERRORBOX", {oneLine(caption), oneLine(text)});
}

void DriverRig::startHotplug() {
  const bool started = monitor.start();
  printRecord("HOTPLUG", {!started ? "none" : monitor.listensToKernel() ? "kernel" : "udev"});
  records.onPump = [this] { deliverEvents(); };
}

void DriverRig::deliverEvents() {
  records.printChecklistIfChanged();
  if (monitor.drainEvents()) {
    rig.workflow.onDeviceNodesChanged();
  }
  records.printChecklistIfChanged();
}

void DriverRig::printFinalRows() const {
  for (const auto& row : rig.finalRows()) {
    printRecord("FINAL", {oneLine(row.serial), oneLine(row.text), std::to_string(row.status)});
  }
}

}  // namespace nobrix::kernel
