// NobrixVUZ-cli.exe: unattended updates on Windows through the USB printing support driver
// (usbprint). The same workflow, commands, texts and exit statuses as on Linux; Ctrl+C,
// Ctrl+Break and closing the console stop a run as SIGINT and SIGTERM do there.
#include <QCoreApplication>
#include <memory>

#include "cli/cli_main.h"
#include "cli/stop_signals.h"
#include "cli/system_console.h"
#include "firmware/embedded/program_resources.h"
#include "firmware/image_withheld.h"
#include "history/history_location.h"
#include "platform/windows/windows_platform.h"

int main(int argc, char* argv[]) {
  using namespace nobrix;
  cli::ConsoleSession console;
  cli::CliOptions options;
  if (const auto exitCode = cli::parseCommandLine(argc, argv, cli::Variant::Real, options)) {
    return *exitCode;
  }
  cli::StopSignals stopSignals;
  QCoreApplication application(argc, argv);

  std::unique_ptr<platform::Platform> platform = platform::win32::makeWindowsPlatform();
  // A build that carries only the generated stand-in must never send it to a real printer.
  std::unique_ptr<firmware::ResourceModule> resources = firmware::makeProgramResourceModule();
  if (NOBRIX_IMAGE_IS_STAND_IN != 0) {
    resources = firmware::withholdImage(std::move(resources));
  }
  cli::CliContext context = cli::standardContext(*platform, *resources);
  context.takeSignals = [&stopSignals] { return stopSignals.take(); };
  context.historyFile = history::historyPath(history::PrinterBus::kReal);
  context.program = QStringLiteral("NobrixVUZ-cli");
  return cli::runCli(options, context);
}
