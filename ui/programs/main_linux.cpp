// NobrixVUZ: the firmware download utility on Linux. Arguments are ignored and the exit code is
// always 0; printers are reached through the usblp driver and hot-plug through udev.
#include <QApplication>
#include <csignal>
#include <memory>

#include "firmware/embedded/program_resources.h"
#include "firmware/image_withheld.h"
#include "history/history_location.h"
#include "platform/linux/linux_platform.h"
#include "platform/lock/file_update_lock.h"
#include "ui/adapters/udev_change_watcher.h"
#include "ui/programs/app_assembly.h"
#include "ui/programs/font_warm_up.h"

int main(int argc, char* argv[]) {
  using namespace nobrix;
  const ui::programs::FontWarmUp fonts;  // while the application starts
  // The window's life is its own: a terminal it was started from may go away.
  std::signal(SIGHUP, SIG_IGN);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("NobrixVUZ"));

  std::unique_ptr<platform::Platform> platform = platform::usblp::makeLinuxPlatform();
  // A build that carries only the generated stand-in must never send it to a real printer.
  std::unique_ptr<firmware::ResourceModule> resources = firmware::makeProgramResourceModule();
  if (NOBRIX_IMAGE_IS_STAND_IN != 0) {
    resources = firmware::withholdImage(std::move(resources));
  }
  ui::programs::AppAssembly app(*platform, *resources);
  app.keepHistory(history::historyPath(history::PrinterBus::kReal));
  app.guardWithUpdateLock(platform::defaultUpdateLockPath());

  // Without a udev monitor the list is still built once at start.
  ui::adapters::UdevChangeWatcher watcher(
      [&app] { app.window().workflow().onDeviceNodesChanged(); });
  watcher.start();
  return app.run();
}
