// Everything the window needs, wired once for both programs and for the tests: device layer,
// languages, message dialog, firmware transfer, worker runner, the system's sleep inhibitor and
// the window itself, over whichever platform (the Linux backend or the simulated bus) the caller
// supplies. A demonstration run on the simulated bus keeps the machine awake too. The programs
// keep the service history; the tests do so only where they ask.
#pragma once

#include <functional>
#include <memory>

#include "device/device_layer.h"
#include "firmware/firmware_transfer.h"
#include "firmware/resource_module.h"
#include "l10n/language_state.h"
#include "platform/lock/update_lock.h"
#include "platform/platform.h"
#include "ports/known_printers.h"
#include "ports/run_journal.h"
#include "ports/sleep_inhibitor.h"
#include "ui/adapters/qt_pump.h"
#include "ui/adapters/system_error_box.h"
#include "ui/dialog/message_presenter.h"
#include "ui/window/form1.h"
#include "workflow/worker_runner.h"

namespace nobrix::ui::programs {

using adapters::QtPump;
using adapters::SystemErrorBox;
using window::FirmwareCheck;
using window::Form1;

class AppAssembly {
 public:
  // Without `firmwareCheck` the window checks the build's own firmware file name. Platform and
  // resources must outlive the assembly.
  // Without `sleepInhibitor` the system's own is asked (logind, or the thread execution state).
  AppAssembly(platform::Platform& platform, firmware::ResourceModule& resources,
              FirmwareCheck firmwareCheck = {},
              std::unique_ptr<ports::SleepInhibitor> sleepInhibitor = nullptr);
  ~AppAssembly();
  AppAssembly(const AppAssembly&) = delete;
  AppAssembly& operator=(const AppAssembly&) = delete;

  Form1& window() { return *window_; }
  MessagePresenter& messages() { return messages_; }
  l10n::LanguageState& language() { return language_; }
  device::PrinterDeviceLayer& device() { return device_; }

  // Records every run in the history file at `path`, the program named as the application is.
  // Call before the window is shown. Built only where Qt has its SQL module (app_history.cpp).
  void keepHistory(const QString& path);

  // Takes the update lock at `path` at START, so that no other program's run works on the
  // printers at the same time. Call before the window is shown.
  void guardWithUpdateLock(const std::string& path);

  // Loads the window and, unless loading closed it, shows it and runs the event loop until it
  // closes; `whenShown` runs once the loop has started with the window on screen. The
  // program's exit code is always 0.
  int run(const std::function<void()>& whenShown = {});

 private:
  SystemErrorBox errorBox_;
  device::PrinterDeviceLayer device_;
  l10n::LanguageState language_;
  MessagePresenter messages_;
  firmware::FirmwareTransfer firmware_;
  QtPump pump_;
  workflow::WorkerRunner workers_{pump_};
  std::unique_ptr<ports::SleepInhibitor> sleepInhibitor_;
  firmware::ResourceModule& resources_;
  std::unique_ptr<ports::RunJournal> journal_;
  std::unique_ptr<ports::KnownPrinters> knownPrinters_;
  std::unique_ptr<platform::UpdateLock> updateLock_;
  std::unique_ptr<Form1> window_;
};

}  // namespace nobrix::ui::programs
