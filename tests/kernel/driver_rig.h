// The program's parts wired as the Linux program wires them, without the window: the usblp
// backend, device layer, firmware transfer, English texts, worker runner and workflow, with the
// console view and messages in place of the window and its dialog.
#pragma once

#include <memory>

#include "device/device_layer.h"
#include "firmware/firmware_transfer.h"
#include "firmware/resource_module.h"
#include "platform/linux/udev_hotplug_monitor.h"
#include "platform/platform.h"
#include "ports/error_box.h"
#include "tests/kernel/console_messages.h"
#include "tests/kernel/console_view.h"
#include "ui/l10n/language_state.h"
#include "workflow/update_workflow.h"
#include "workflow/worker_runner.h"

namespace nobrix::kernel {

// The system error box as a console record.
class ConsoleErrorBox final : public ports::ErrorBox {
 public:
  void showErrorBox(std::u16string_view caption, std::u16string_view text) override;
};

class DriverRig {
 public:
  // Needs a QCoreApplication (the string tables are Qt resources); `resources` must outlive it.
  explicit DriverRig(firmware::ResourceModule& resources);

  // Listens for hot-plug events; from then on every pump delivers them to the workflow as the
  // window's event loop does. Prints which event source it uses.
  void startHotplug();

  // One FINAL record per progress row: serial, status text, status code.
  void printFinalRows() const;

  std::unique_ptr<platform::Platform> platform;
  ui::LanguageState language{ui::kEnglish};
  ConsoleErrorBox errorBox;
  device::PrinterDeviceLayer device;
  ConsoleMessages messages;
  ConsoleView view;
  firmware::FirmwareTransfer firmware;
  workflow::ViewPump pump;
  workflow::WorkerRunner workers;
  workflow::UpdateWorkflow workflow;
  platform::usblp::UdevHotplugMonitor monitor;

 private:
  void deliverEvents();
  int slotOfRow(int row) const;
};

}  // namespace nobrix::kernel
