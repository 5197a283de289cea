// The driver's wiring: the usblp backend, English texts and the shared headless rig, with console
// records in place of the window and its dialog, and udev hot-plug as the window has it.
#pragma once

#include <memory>

#include "firmware/resource_module.h"
#include "l10n/language_state.h"
#include "platform/linux/udev_hotplug_monitor.h"
#include "platform/platform.h"
#include "ports/error_box.h"
#include "tests/kernel/console_messages.h"
#include "tests/kernel/console_view.h"
#include "workflow/headless/headless_rig.h"

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
  l10n::LanguageState language{l10n::kEnglish};
  ConsoleErrorBox errorBox;
  ConsoleMessages messages;
  workflow::headless::HeadlessRig rig;
  ConsoleRecords records;
  platform::usblp::UdevHotplugMonitor monitor;

 private:
  void deliverEvents();
};

}  // namespace nobrix::kernel
