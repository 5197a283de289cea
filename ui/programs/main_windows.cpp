// NobrixVUZ: the firmware download utility on Windows. Arguments are ignored and the exit code is
// always 0; printers are reached through the usbprint driver, the image is the program's RCDATA
// resource 111 and hot-plug comes as the system's device-change broadcast to the main window.
#include <QApplication>
#include <memory>

#include "firmware/embedded/program_resources.h"
#include "firmware/image_withheld.h"
#include "platform/lock/file_update_lock.h"
#include "platform/windows/windows_platform.h"
#include "ui/adapters/windows_device_change_filter.h"
#include "ui/programs/app_assembly.h"

int main(int argc, char* argv[]) {
  using namespace nobrix;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("NobrixVUZ"));

  std::unique_ptr<platform::Platform> platform = platform::win32::makeWindowsPlatform();
  // A build that carries only the generated stand-in must never send it to a real printer.
  std::unique_ptr<firmware::ResourceModule> resources = firmware::makeProgramResourceModule();
  if (NOBRIX_IMAGE_IS_STAND_IN != 0) {
    resources = firmware::withholdImage(std::move(resources));
  }
  ui::programs::AppAssembly app(*platform, *resources);
  app.guardWithUpdateLock(platform::defaultUpdateLockPath());

  ui::adapters::WindowsDeviceChangeFilter deviceChanges(
      app.window(), [&app] { app.window().workflow().onDeviceNodesChanged(); });
  return app.run();
}
