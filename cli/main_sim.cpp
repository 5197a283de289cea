// NobrixVUZ-cli-sim: the command-line program over the simulated printer bus, to try and show it
// without printers. By default the bus runs on virtual time, so a whole run takes milliseconds
// and the time stamps are the bus's own.
#include <QCoreApplication>
#include <cstdio>
#include <memory>

#include "cli/cli_main.h"
#include "cli/sim_setup.h"
#include "cli/stop_signals.h"
#include "cli/system_console.h"
#include "cli/usage_error.h"
#include "firmware/embedded/program_resources.h"
#include "history/history_location.h"
#include "platform/lock/file_update_lock.h"
#include "power/system_sleep_inhibitor.h"

int main(int argc, char* argv[]) {
  using namespace nobrix;
  cli::ConsoleSession console;
  cli::CliOptions options;
  if (const auto exitCode = cli::parseCommandLine(argc, argv, cli::Variant::Sim, options)) {
    return *exitCode;
  }
  std::unique_ptr<firmware::ResourceModule> resources = firmware::makeProgramResourceModule();
  if (options.version) {
    return cli::printVersion(cli::Variant::Sim, *resources, NOBRIX_IMAGE_IS_STAND_IN != 0);
  }
  cli::StopSignals stopSignals;
  QCoreApplication application(argc, argv);
  std::unique_ptr<platform::sim::SimBus> bus = cli::makeScenarioBus(options, *resources);
  if (!bus) {
    return cli::reportUsageError(options, "unknown scenario '" + options.scenario + "'",
                                 history::historyPath(history::PrinterBus::kSimulated), stdout,
                                 stderr);
  }
  cli::CliContext context = cli::standardContext(*bus, *resources);
  cli::useBusClock(context, *bus);
  context.takeSignals = [&stopSignals] { return stopSignals.take(); };
  context.historyFile = history::historyPath(history::PrinterBus::kSimulated);
  context.program = QStringLiteral("NobrixVUZ-cli-sim");
  // A demonstration keeps the machine awake as a real run does.
  const std::unique_ptr<ports::SleepInhibitor> sleepInhibitor = power::makeSystemSleepInhibitor();
  context.sleepInhibitor = sleepInhibitor.get();
  std::unique_ptr<platform::FileUpdateLock> lock;
  if (const std::string path = platform::simulatedUpdateLockPath(); !path.empty()) {
    lock = std::make_unique<platform::FileUpdateLock>(path,
                                                      platform::thisProcess("NobrixVUZ-cli-sim"));
    context.updateLock = lock.get();
  }
  return cli::runCli(options, context);
}
