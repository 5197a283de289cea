#include "cli/cli_main.h"

#include <QDateTime>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/exit_codes.h"
#include "cli/help_text.h"
#include "cli/language_choice.h"
#include "cli/system_console.h"
#include "cli/usage_error.h"
#include "history/history_location.h"

namespace nobrix::cli {

namespace {

std::string wallClockStamp() {
  return QDateTime::currentDateTime()
      .toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"))
      .toStdString();
}

}  // namespace

std::optional<int> parseCommandLine(int argc, char** argv, Variant variant, CliOptions& options) {
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  std::string error;
  if (!parseCliOptions(arguments, variant, options, error)) {
    const auto bus =
        variant == Variant::Sim ? history::PrinterBus::kSimulated : history::PrinterBus::kReal;
    return reportUsageError(options, error, history::historyPath(bus), stdout, stderr);
  }
  if (options.help) {
    std::fputs(helpText(variant).c_str(), stdout);
    return kExitAllUpdated;
  }
  if (!options.language) {
    options.language = languageOfEnvironment([](const char* name) { return std::getenv(name); });
  }
  return std::nullopt;
}

int printVersion(Variant variant, firmware::ResourceModule& resources, bool imageIsStandIn) {
  const auto build = history::describeRun(QString::fromLatin1(programName(variant)), resources);
  std::fputs(versionText(build, imageIsStandIn).c_str(), stdout);
  return kExitAllUpdated;
}

CliContext standardContext(platform::Platform& platform, firmware::ResourceModule& resources) {
  CliContext context{platform, resources, stdout, stderr};
  const TerminalInfo terminal = describeTerminal(stdout);
  context.terminal = terminal.liveLines;
  context.terminalWidth = terminal.width;
  context.errTerminal = describeTerminal(stderr).liveLines;
  context.stamp = wallClockStamp;
  return context;
}

}  // namespace nobrix::cli
