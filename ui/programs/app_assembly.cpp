// The window is created last, once everything it talks to exists, and the message dialog is
// centred on it from then on.
#include "ui/programs/app_assembly.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "firmware/flash_file_acceptance.h"
#include "platform/lock/file_update_lock.h"
#include "power/system_sleep_inhibitor.h"

namespace nobrix::ui::programs {

AppAssembly::AppAssembly(platform::Platform& platform, firmware::ResourceModule& resources,
                         FirmwareCheck firmwareCheck,
                         std::unique_ptr<ports::SleepInhibitor> sleepInhibitor)
    : device_(platform, errorBox_),
      messages_(language_),
      firmware_(platform, resources, language_, messages_),
      sleepInhibitor_(sleepInhibitor ? std::move(sleepInhibitor)
                                     : power::makeSystemSleepInhibitor()),
      resources_(resources) {
  if (!firmwareCheck) {
    firmwareCheck = [this](std::u16string& buildId) {
      return firmware::acceptBuiltInFirmware(buildId, errorBox_, language_, messages_);
    };
  }
  window_ = std::make_unique<Form1>(window::Form1Services{device_, firmware_, workers_, language_,
                                                          messages_, std::move(firmwareCheck),
                                                          sleepInhibitor_.get()});
  messages_.setWindow(window_.get());
#ifdef _WIN32
  // Windows boxes are owned by the main window; the Linux box keeps its own window.
  errorBox_.setOwner(window_.get());
#endif
}

AppAssembly::~AppAssembly() {
  messages_.setWindow(nullptr);
}

void AppAssembly::guardWithUpdateLock(const std::string& path) {
  updateLock_ = std::make_unique<platform::FileUpdateLock>(
      path, platform::thisProcess(QCoreApplication::applicationName().toStdString()));
  window_->workflow().setUpdateLock(updateLock_.get());
}

int AppAssembly::run(const std::function<void()>& whenShown) {
  // Loading pumps events, so anything queued before this point may already run during it;
  // whenShown is queued only now, behind the window's first paint.
  window_->App_Form1Load_Handler();
  if (window_->closedBeforeShown()) {
    return 0;
  }
  window_->show();
  if (whenShown) {
    QTimer::singleShot(0, window_.get(), whenShown);
  }
  QApplication::exec();
  return 0;
}

}  // namespace nobrix::ui::programs
