// NobrixVUZ-cli: unattended updates on Linux's USB printer driver (usblp). The same workflow as
// the window's, headless; see --help for the commands and exit statuses.
#include <QCoreApplication>
#include <memory>

#include "cli/cli_main.h"
#include "cli/stop_signals.h"
#include "firmware/embedded/program_resources.h"
#include "firmware/image_withheld.h"
#include "history/history_location.h"
#include "platform/linux/linux_platform.h"
#include "platform/lock/file_update_lock.h"
#include "power/system_sleep_inhibitor.h"

int main(int argc, char* argv[]) {
  using namespace nobrix;
  cli::CliOptions options;
  if (const auto exitCode = cli::parseCommandLine(argc, argv, cli::Variant::Real, options)) {
    return *exitCode;
  }
  std::unique_ptr<firmware::ResourceModule> resources = firmware::makeProgramResourceModule();
  if (options.version) {
    return cli::printVersion(cli::Variant::Real, *resources, NOBRIX_IMAGE_IS_STAND_IN != 0);
  }
  // Before any thread exists, so that every thread inherits the blocked stop signals.
  cli::StopSignals stopSignals;
  QCoreApplication application(argc, argv);

  std::unique_ptr<platform::Platform> platform = platform::usblp::makeLinuxPlatform();
  // A build that carries only the generated stand-in must never send it to a real printer; the
  // kernel test stage builds with NOBRIX_SEND_STAND_IN for its emulated printers.
  if (NOBRIX_IMAGE_IS_STAND_IN != 0 && NOBRIX_SEND_STAND_IN == 0) {
    resources = firmware::withholdImage(std::move(resources));
  }
  cli::CliContext context = cli::standardContext(*platform, *resources);
  context.takeSignals = [&stopSignals] { return stopSignals.take(); };
  context.historyFile = history::historyPath(history::PrinterBus::kReal);
  context.program = QStringLiteral("NobrixVUZ-cli");
  const std::unique_ptr<ports::SleepInhibitor> sleepInhibitor = power::makeSystemSleepInhibitor();
  context.sleepInhibitor = sleepInhibitor.get();
  platform::FileUpdateLock lock(platform::defaultUpdateLockPath(),
                                platform::thisProcess("NobrixVUZ-cli"));
  context.updateLock = &lock;
  return cli::runCli(options, context);
}
