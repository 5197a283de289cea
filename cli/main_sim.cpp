// NobrixVUZ-cli-sim: the command-line program over the simulated printer bus, to try and show it
// without printers. By default the bus runs on virtual time, so a whole run takes milliseconds
// and the time stamps are the bus's own.
#include <QCoreApplication>
#include <cstdio>
#include <memory>

#include "cli/cli_main.h"
#include "cli/exit_codes.h"
#include "cli/sim_setup.h"
#include "cli/stop_signals.h"
#include "cli/system_console.h"
#include "firmware/embedded/program_resources.h"
#include "history/history_location.h"

int main(int argc, char* argv[]) {
  using namespace nobrix;
  cli::ConsoleSession console;
  cli::CliOptions options;
  if (const auto exitCode = cli::parseCommandLine(argc, argv, cli::Variant::Sim, options)) {
    return *exitCode;
  }
  cli::StopSignals stopSignals;
  QCoreApplication application(argc, argv);

  std::unique_ptr<firmware::ResourceModule> resources = firmware::makeProgramResourceModule();
  std::unique_ptr<platform::sim::SimBus> bus = cli::makeScenarioBus(options, *resources);
  if (!bus) {
    std::fprintf(stderr, "unknown scenario '%s'\n\n%s", options.scenario.c_str(),
                 cli::helpText(cli::Variant::Sim).c_str());
    return cli::kExitUsage;
  }
  cli::CliContext context = cli::standardContext(*bus, *resources);
  cli::useBusClock(context, *bus);
  context.takeSignals = [&stopSignals] { return stopSignals.take(); };
  context.historyFile = history::historyPath(history::PrinterBus::kSimulated);
  context.program = QStringLiteral("NobrixVUZ-cli-sim");
  return cli::runCli(options, context);
}
